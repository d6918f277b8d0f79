// Winsock's select() takes any number of sockets up to this; under Wine it is much
// quicker than WSAPoll.
#ifdef _WIN32
#define FD_SETSIZE 1100
#endif
#include "Net.h"

#include <algorithm>
#include <chrono>

#ifdef _WIN32
#include <mstcpip.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace net {

namespace {

// Probes sent before a silent peer counts as gone; Windows' own count cannot be set.
#ifdef _WIN32
constexpr unsigned kProbes = 10;
#else
constexpr unsigned kProbes = 6;
#endif

}  // namespace

uint64_t NowMs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void KeepAlive(Handle h, unsigned deadAfterSeconds) {
    unsigned interval = std::max(1u, deadAfterSeconds / (2 * kProbes));
    unsigned idle = std::max(1u, deadAfterSeconds > kProbes * interval ? deadAfterSeconds - kProbes * interval : 1u);
#ifdef _WIN32
    tcp_keepalive values{1, idle * 1000, interval * 1000};
    DWORD returned = 0;
    WSAIoctl(h, SIO_KEEPALIVE_VALS, &values, sizeof values, nullptr, 0, &returned, nullptr, nullptr);
#else
    int on = 1, idleValue = static_cast<int>(idle), intervalValue = static_cast<int>(interval), probes = kProbes;
    setsockopt(h, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    setsockopt(h, IPPROTO_TCP, TCP_KEEPIDLE, &idleValue, sizeof idleValue);
    setsockopt(h, IPPROTO_TCP, TCP_KEEPINTVL, &intervalValue, sizeof intervalValue);
    setsockopt(h, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
    // Unacknowledged replies to a vanished peer end the connection in the same time.
    unsigned userTimeout = deadAfterSeconds * 1000;
    setsockopt(h, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeout, sizeof userTimeout);
#endif
}

#ifdef _WIN32

bool Startup() {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
}
int LastError() { return WSAGetLastError(); }
bool WouldBlock(int error) { return error == WSAEWOULDBLOCK; }
std::string ErrorText(int error) {
    char text[512] = {};
    DWORD size = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                static_cast<DWORD>(error), 0, text, sizeof text, nullptr);
    std::string result(text, size);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) result.pop_back();
    return result.empty() ? "error " + std::to_string(error) : result;
}
std::string ResolverErrorText(int error) { return ErrorText(error); }
void CloseHandle(Handle h) { closesocket(h); }
bool SetNonBlocking(Handle h) {
    u_long on = 1;
    return ioctlsocket(h, FIONBIO, &on) == 0;
}
int Poll(PollEntry* entries, size_t count, int timeoutMs) {
    if (count > FD_SETSIZE) return WSAPoll(entries, static_cast<ULONG>(count), timeoutMs);
    fd_set readable, writable, failed;
    FD_ZERO(&readable);
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    for (size_t i = 0; i < count; ++i) {
        if (entries[i].events & POLLIN) FD_SET(entries[i].fd, &readable);
        if (entries[i].events & POLLOUT) FD_SET(entries[i].fd, &writable);
        FD_SET(entries[i].fd, &failed);
    }
    timeval limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    int ready = select(0, &readable, &writable, &failed, &limit);
    for (size_t i = 0; i < count && ready >= 0; ++i) {
        entries[i].revents = static_cast<short>((FD_ISSET(entries[i].fd, &readable) ? POLLIN : 0) |
                                                (FD_ISSET(entries[i].fd, &writable) ? POLLOUT : 0) |
                                                (FD_ISSET(entries[i].fd, &failed) ? POLLERR : 0));
    }
    return ready;
}
long Send(Handle h, const char* data, size_t size) {
    return send(h, data, static_cast<int>(std::min<size_t>(size, 1 << 30)), 0);
}
long Receive(Handle h, char* data, size_t size) { return recv(h, data, static_cast<int>(size), 0); }

#else

bool Startup() { return true; }
int LastError() { return errno; }
bool WouldBlock(int error) { return error == EAGAIN || error == EWOULDBLOCK || error == EINTR; }
std::string ErrorText(int error) { return std::strerror(error); }
std::string ResolverErrorText(int error) { return gai_strerror(error); }
void CloseHandle(Handle h) { close(h); }
bool SetNonBlocking(Handle h) { return fcntl(h, F_SETFL, fcntl(h, F_GETFL) | O_NONBLOCK) == 0; }
int Poll(PollEntry* entries, size_t count, int timeoutMs) { return poll(entries, count, timeoutMs); }
// No SIGPIPE from a peer that went away: the error comes back as EPIPE instead.
long Send(Handle h, const char* data, size_t size) { return send(h, data, size, MSG_NOSIGNAL); }
long Receive(Handle h, char* data, size_t size) { return recv(h, data, size, 0); }

#endif

}  // namespace net
