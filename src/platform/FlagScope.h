#pragma once
// Raises a flag for as long as a piece of work runs, and lowers it however the work
// ends: the guard against re-entry from a nested message loop.

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};
