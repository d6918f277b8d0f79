// vantro-server: keeps the list of Vantro instances attached to it and logs each
// change. Builds for Windows and for Linux from this source.
//
//   vantro-server [--bind ADDRESS] [--port N] [--timeout SECONDS] [--max-connections N]
//                 [--max-attachments N] [--dead-after SECONDS] [--log stdout|none|FILE]
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "Listeners.h"
#include "ServerLoop.h"

#ifndef _WIN32
#include <csignal>
#endif

int main(int argc, char** argv) {
    auto options = remote::ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::fputs(remote::kServerUsage, stderr);
        return 2;
    }
    if (!net::Startup()) return 1;
#ifndef _WIN32
    std::signal(SIGPIPE, SIG_IGN);
#endif
    remote::Listening listening = remote::Listen(options->bind, options->port);
    if (!listening.error.empty()) {
        std::fprintf(stderr, "vantro-server: %s\n", listening.error.c_str());
        return 1;
    }
    std::FILE* sink = options->log == "none" ? nullptr : options->log == "stdout" ? stdout : std::fopen(options->log.c_str(), "a");
    if (options->log != "none" && !sink) {
        std::fprintf(stderr, "vantro-server: cannot open the log %s\n", options->log.c_str());
        return 1;
    }
    // Where it listens goes to standard output whatever the log, before anything can block it.
    for (const auto& address : listening.addresses) std::printf("vantro-server listening on %s\n", address.c_str());
    std::fflush(stdout);

    remote::ServerLog log(sink, sink != stdout);
    std::atomic<bool> stop{false};
    remote::ServerLoop(std::move(listening.sockets), *options, log).Run(stop);
}
