#include "remote/RemoteLink.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <mstcpip.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/UniqueHandle.h"
#include "remote/UniqueSocket.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// One exchange (resolve, connect, request, reply) has this long in all.
constexpr auto kExchangeTime = 10s;
// At exit the withdrawal gets this long; the program ends whether it got through or not.
constexpr auto kDetachTime = 2s;
constexpr auto kFirstRetry = 2s;
constexpr auto kLastRetry = 60s;
constexpr auto kPollStep = 250ms;

struct AddressListTraits {
    using Handle = addrinfo*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { freeaddrinfo(h); }
};

// Waits until the socket is ready (for writing or reading) or the deadline passes.
bool Ready(SOCKET s, bool forWriting, Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    fd_set set, failed;
    FD_ZERO(&set);
    FD_ZERO(&failed);
    FD_SET(s, &set);
    FD_SET(s, &failed);
    timeval limit{static_cast<long>(left.count() / 1000000), static_cast<long>(left.count() % 1000000)};
    return select(0, forWriting ? nullptr : &set, forWriting ? &set : nullptr, &failed, &limit) > 0 && !FD_ISSET(s, &failed);
}

// A connected, non-blocking socket, or the error number.
int Connect(const remote::HostPort& server, Clock::time_point deadline, UniqueSocket& result) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    UniqueHandle<AddressListTraits> addresses;
    if (int status = getaddrinfo(server.host.c_str(), std::to_string(server.port).c_str(), &hints, addresses.put()))
        return status;
    int error = WSAHOST_NOT_FOUND;
    for (addrinfo* a = addresses.get(); a; a = a->ai_next) {
        UniqueSocket s(socket(a->ai_family, a->ai_socktype, a->ai_protocol));
        u_long nonBlocking = 1;
        if (!s || ioctlsocket(s.get(), FIONBIO, &nonBlocking) != 0) return WSAGetLastError();
        if (connect(s.get(), a->ai_addr, static_cast<int>(a->ai_addrlen)) == SOCKET_ERROR && WSAGetLastError() != WSAEWOULDBLOCK) {
            error = WSAGetLastError();
            continue;
        }
        bool connected = Ready(s.get(), true, deadline);
        int soError = 0, size = sizeof soError;
        getsockopt(s.get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soError), &size);
        if (connected && soError == 0) {
            // A server whose machine vanished (no FIN, no RST) is noticed in about two minutes.
            tcp_keepalive probes{1, 60000, 6000};
            DWORD returned = 0;
            WSAIoctl(s.get(), SIO_KEEPALIVE_VALS, &probes, sizeof probes, nullptr, 0, &returned, nullptr, nullptr);
            result = std::move(s);
            return 0;
        }
        error = soError ? soError : connected ? WSAECONNREFUSED : WSAETIMEDOUT;
        if (Clock::now() >= deadline) break;
    }
    return error;
}

// Sends one request line and reads the one reply line (a CR before its LF dropped).
int Ask(SOCKET s, const std::string& request, Clock::time_point deadline, std::string& reply) {
    std::string line = request + "\n";
    for (size_t done = 0; done < line.size();) {
        if (!Ready(s, true, deadline)) return WSAETIMEDOUT;
        int sent = send(s, line.data() + done, static_cast<int>(line.size() - done), 0);
        if (sent == SOCKET_ERROR) return WSAGetLastError();
        done += static_cast<size_t>(sent);
    }
    reply.clear();
    char buffer[remote::kMaxReplyLength];
    while (reply.find('\n') == std::string::npos) {
        if (reply.size() > remote::kMaxReplyLength) return WSAEMSGSIZE;
        if (!Ready(s, false, deadline)) return WSAETIMEDOUT;
        int got = recv(s, buffer, sizeof buffer, 0);
        if (got == 0) return WSAECONNRESET;
        if (got < 0 && WSAGetLastError() != WSAEWOULDBLOCK) return WSAGetLastError();
        if (got > 0) reply.append(buffer, static_cast<size_t>(got));
    }
    reply.erase(reply.find('\n'));
    if (!reply.empty() && reply.back() == '\r') reply.pop_back();
    return 0;
}

}  // namespace

struct RemoteLink::Shared {
    remote::HostPort server;
    std::string id;
    HWND notify;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false, done = false;
    std::atomic<bool> attached{false};

    void Tell(RemoteStatus status, DWORD error = 0) {
        PostMessageA(notify, kRemoteStatusMessage, static_cast<WPARAM>(status), static_cast<LPARAM>(error));
    }
    // False once the link is stopping.
    bool Pause(Clock::duration time) {
        std::unique_lock lock(mutex);
        return !wake.wait_for(lock, time, [this] { return stopping; });
    }
    // Until the server ends the connection (true) or the link stops (false).
    bool Lost(SOCKET s) {
        char buffer[256];
        while (Pause(0s)) {
            if (!Ready(s, false, Clock::now() + kPollStep)) continue;
            int got = recv(s, buffer, sizeof buffer, 0);
            if (got == 0 || (got < 0 && WSAGetLastError() != WSAEWOULDBLOCK)) return true;
        }
        return false;
    }

    void Run() {
        WSADATA winsock;
        WSAStartup(MAKEWORD(2, 2), &winsock);
        bool everAttached = false, toldUnreachable = false, toldLost = false;
        Clock::duration retry = kFirstRetry;
        while (Pause(0s)) {
            UniqueSocket s;
            std::string reply;
            int error = Connect(server, Clock::now() + kExchangeTime, s);
            if (!error) error = Ask(s.get(), std::string(remote::kAttach) + id, Clock::now() + kExchangeTime, reply);
            if (!error && reply != remote::kOk) {
                Tell(RemoteStatus::Refused, kServerRefused);  // asking again would be refused again
                break;
            }
            if (!error) {
                attached = true;
                // After a failure the user heard of, the attachment's return is news too.
                if (!everAttached || toldLost)
                    Tell(toldLost || toldUnreachable ? RemoteStatus::Back : RemoteStatus::Attached);
                everAttached = true;
                toldLost = false;
                retry = kFirstRetry;
                bool lost = Lost(s.get());
                attached = false;
                if (!lost) {
                    Ask(s.get(), std::string(remote::kDetach) + id, Clock::now() + kDetachTime, reply);
                    break;
                }
                Tell(RemoteStatus::Lost);
                toldLost = true;
            } else if (!everAttached && !toldUnreachable) {
                Tell(RemoteStatus::Unreachable, static_cast<DWORD>(error));
                toldUnreachable = true;
            }
            if (!Pause(retry)) break;
            retry = std::min<Clock::duration>(retry * 2, kLastRetry);
        }
        WSACleanup();
        std::lock_guard lock(mutex);
        done = true;
        wake.notify_all();
    }
};

RemoteLink::RemoteLink(remote::HostPort server, std::string id, HWND notify) : shared_(std::make_shared<Shared>()) {
    shared_->server = std::move(server);
    shared_->id = std::move(id);
    shared_->notify = notify;
    std::thread([shared = shared_] { shared->Run(); }).detach();
}

void RemoteLink::Withdraw() { Stop(std::chrono::duration_cast<std::chrono::milliseconds>(kDetachTime + 500ms)); }

void RemoteLink::Stop(std::chrono::milliseconds wait) {
    std::unique_lock lock(shared_->mutex);
    shared_->stopping = true;
    shared_->wake.notify_all();
    // An exchange under way ends at its own deadline; nobody waits for it longer.
    shared_->wake.wait_for(lock, wait, [this] { return shared_->done; });
}

bool RemoteLink::Attached() const { return shared_->attached; }
