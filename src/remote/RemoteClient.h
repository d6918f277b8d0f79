#pragma once
// Vantro's own remote client: made on this machine it only tells who this instance is
// (LocalId: machine, user and process); made on a named machine ("host", "host:port")
// it attaches and detaches instances at the vantro-server there, through a RemoteLink
// that tells the window set as its StatusWindow how that went.
#include <string>

#include "platform/Components.h"

ComponentCreation CreateRemoteClient(const std::string& machine);

// "MACHINE\user #1234": this machine, the signed-in user and this process.
std::string LocalInstanceId();
