#include "ServerLog.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace remote {

struct ServerLog::Shared {
    std::FILE* sink;
    bool ownsSink;
    size_t maxQueued;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::string> queue;
    size_t dropped = 0;
    bool stopping = false;
    bool done = false;

    void Write() {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopping || !queue.empty(); });
            if (queue.empty()) break;
            std::string line = std::move(queue.front());
            queue.pop_front();
            size_t missed = std::exchange(dropped, 0);
            lock.unlock();
            if (missed) std::fprintf(sink, "(%zu lines not written: the log could not keep up)\n", missed);
            std::fprintf(sink, "%s\n", line.c_str());
            std::fflush(sink);
            lock.lock();
        }
        if (ownsSink) std::fclose(sink);
        done = true;
        wake.notify_all();
    }
};

ServerLog::ServerLog(std::FILE* sink, bool ownsSink, size_t maxQueued) {
    if (!sink) return;
    shared_ = std::make_shared<Shared>();
    shared_->sink = sink;
    shared_->ownsSink = ownsSink;
    shared_->maxQueued = maxQueued;
    std::thread([shared = shared_] { shared->Write(); }).detach();
}

ServerLog::~ServerLog() {
    if (!shared_) return;
    std::unique_lock lock(shared_->mutex);
    shared_->stopping = true;
    shared_->wake.notify_all();
    // A writer stuck on its sink is left behind rather than holding the exit up.
    shared_->wake.wait_for(lock, std::chrono::seconds(1), [this] { return shared_->done; });
}

void ServerLog::Line(std::string line) {
    if (!shared_) return;
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->queue.size() >= shared_->maxQueued) {
            ++shared_->dropped;
            return;
        }
        shared_->queue.push_back(std::move(line));
    }
    shared_->wake.notify_one();
}

}  // namespace remote
