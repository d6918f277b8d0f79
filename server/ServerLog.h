#pragma once
// Where the server's lines go: a writer thread of its own takes them from a bounded
// queue, so a sink that blocks (a pipe nobody reads, a stuck terminal) never holds up
// the loop. Lines that find the queue full are counted and reported once it drains.
#include <cstdio>
#include <memory>
#include <string>

namespace remote {

class ServerLog {
public:
    // sink: where the lines are written, or null for none. ownsSink: closed at the end.
    ServerLog(std::FILE* sink, bool ownsSink, size_t maxQueued = 1000);
    // Waits a moment for the queue to drain, never longer.
    ~ServerLog();
    ServerLog(const ServerLog&) = delete;
    ServerLog& operator=(const ServerLog&) = delete;

    // Never waits on the sink.
    void Line(std::string line);

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;  // the writer holds it too, should it outlive the log
};

}  // namespace remote
