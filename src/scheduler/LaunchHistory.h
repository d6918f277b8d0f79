#pragma once
// The launch history file: one tab-separated line per launch under a heading line,
// at most kMaxLines lines, the oldest dropped first. Lines are kept in memory and
// written from the message loop after the tick or message that made them, so no
// launch waits for the disk; the file is read only to count its lines once and when
// it must be cut.
#include <functional>
#include <string>
#include <vector>

#include "platform/ErrorText.h"
#include "scheduler/HistoryFormat.h"
#include "ui/Timer.h"

class LaunchHistory {
public:
    static constexpr int kMaxLines = 10000;
    // Lines dropped beyond the cap at once, so the file is not rewritten at every launch.
    static constexpr int kCutSlack = 1000;

    // An empty path keeps no history.
    explicit LaunchHistory(std::string path);

    void Add(const HistoryEntry& entry);
    // Writes the waiting lines now.
    void Flush();
    const std::string& Path() const { return path_; }

    // The first write that fails, once.
    std::function<void(const ErrorInfo&)> WriteFailed;

private:
    DWORD Append(const std::string& text);
    DWORD Rewrite(const std::vector<std::string>& newLines);
    void CountLines();

    std::string path_;
    std::vector<std::string> pending_;
    ui::Timer soon_;  // a thread timer: it fires from whichever message loop runs
    int lines_ = -1;  // in the file; -1 until counted
    bool endsInLine_ = false;  // the last line has no line end: the next begins with one
    bool failed_ = false;
};

// The history file in the given folder; empty (no history) when the folder is.
std::string HistoryFileIn(const std::string& folder);
// Every readable entry of the file, oldest first; nothing when it cannot be read.
std::vector<HistoryEntry> ReadHistory(const std::string& path);
