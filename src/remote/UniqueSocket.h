#pragma once
// An owned Winsock socket, closed exactly once.
#include <winsock2.h>

#include "platform/UniqueHandle.h"

struct SocketTraits {
    using Handle = SOCKET;
    static Handle Invalid() { return INVALID_SOCKET; }
    static void Close(Handle h) { closesocket(h); }
};
using UniqueSocket = UniqueHandle<SocketTraits>;
