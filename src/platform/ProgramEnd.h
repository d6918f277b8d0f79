#pragma once
#include <functional>
#include <utility>

// Ending the program: immediate, no further window events. Tests record the end
// and get control back, so after End() returns the caller must return at once.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void End(int exitCode) = 0;
};

class ProcessEnd final : public ProgramEnd {
public:
    // releaseHeld: what the program holds and must give back before the process goes
    // (COM objects, the tray icon), run once.
    explicit ProcessEnd(std::function<void()> releaseHeld = {}) : releaseHeld_(std::move(releaseHeld)) {}
    void SetRelease(std::function<void()> releaseHeld) { releaseHeld_ = std::move(releaseHeld); }
    void End(int exitCode) override;

private:
    std::function<void()> releaseHeld_;
};
