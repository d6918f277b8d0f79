#pragma once
// Ending the program: immediate, no further window events. Tests record the end
// and get control back, so after End() returns the caller must return at once.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void End(int exitCode) = 0;
};

// The caller releases what it holds (COM objects, the tray icon) before it ends.
class ProcessEnd final : public ProgramEnd {
public:
    void End(int exitCode) override;
};
