#pragma once
// The few socket calls the server needs, the same on Winsock and POSIX sockets, so one
// loop builds for Windows and for Linux.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#endif

#include <cstdint>
#include <string>
#include <utility>

namespace net {

#ifdef _WIN32
using Handle = SOCKET;
inline constexpr Handle kInvalid = INVALID_SOCKET;
using PollEntry = WSAPOLLFD;
#else
using Handle = int;
inline constexpr Handle kInvalid = -1;
using PollEntry = pollfd;
#endif

// Winsock started for the program's lifetime; nothing to do elsewhere.
bool Startup();
int LastError();
bool WouldBlock(int error);
// The system's own words for a socket or resolver error.
std::string ErrorText(int error);
std::string ResolverErrorText(int error);
void CloseHandle(Handle h);
bool SetNonBlocking(Handle h);
int Poll(PollEntry* entries, size_t count, int timeoutMs);
uint64_t NowMs();

// An owned socket, closed exactly once.
class Socket {
public:
    Socket() = default;
    explicit Socket(Handle h) : handle_(h) {}
    ~Socket() { reset(); }
    Socket(Socket&& other) noexcept : handle_(other.release()) {}
    Socket& operator=(Socket&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != kInvalid; }
    Handle release() { return std::exchange(handle_, kInvalid); }
    void reset(Handle h = kInvalid) {
        Handle old = std::exchange(handle_, h);
        if (old != kInvalid) CloseHandle(old);
    }

private:
    Handle handle_ = kInvalid;
};

// Bytes sent or received, 0 at the peer's end, -1 on an error (LastError says which).
long Send(Handle h, const char* data, size_t size);
long Receive(Handle h, char* data, size_t size);

// TCP keep-alive so that a peer whose machine vanished is noticed within about
// deadAfterSeconds, though no FIN or RST ever comes.
void KeepAlive(Handle h, unsigned deadAfterSeconds);

}  // namespace net
