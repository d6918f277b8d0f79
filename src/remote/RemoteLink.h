#pragma once
// Keeps this instance attached to a vantro-server from a thread of its own, so that no
// window waits on the network: it connects and attaches within one deadline, notices
// when the connection is lost, attaches again with back-off, and tells a window what
// happened by posted messages only.
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

#include "remote/RemoteProtocol.h"

// wParam: a RemoteStatus; lParam: the error number, for Unreachable and Refused.
inline constexpr UINT kRemoteStatusMessage = WM_APP + 17;
enum class RemoteStatus : WPARAM { Attached, Unreachable, Refused, Lost, Back };

// The server's own account of a refusal, in the range components use for their errors.
inline constexpr DWORD kServerRefused = 0x80040201;

class RemoteLink {
public:
    RemoteLink(remote::HostPort server, std::string id, HWND notify);
    // Withdraws the attachment without waiting: the thread finishes on its own.
    ~RemoteLink() { Stop(std::chrono::milliseconds(0)); }
    // Withdraws the attachment and waits for that a short, bounded time at most (at exit).
    void Withdraw();
    RemoteLink(const RemoteLink&) = delete;
    RemoteLink& operator=(const RemoteLink&) = delete;

    bool Attached() const;

private:
    void Stop(std::chrono::milliseconds wait);

    struct Shared;
    std::shared_ptr<Shared> shared_;  // the thread holds it too, should it outlive the link
};
