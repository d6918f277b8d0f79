// Requests per second and reply times (p50, p99) of a running vantro-server, with one
// client and with twenty, each sending LIST and waiting for its whole reply; then the
// server's memory, when its process id is given.
//
//   bench_server HOST PORT [SERVER PID] [REQUESTS PER CLIENT]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "Net.h"

#ifdef _WIN32
#include <psapi.h>
#endif

namespace {

// One client's reply times in microseconds; empty when it could not connect.
std::vector<double> Run(const std::string& host, const std::string& port, int requests) {
    addrinfo hints{}, *found = nullptr;
    hints.ai_socktype = SOCK_STREAM;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return {};
    net::Socket s(socket(found->ai_family, SOCK_STREAM, 0));
    bool connected = connect(s.get(), found->ai_addr, static_cast<int>(found->ai_addrlen)) == 0;
    freeaddrinfo(found);
    if (!connected) return {};
    int on = 1;
    setsockopt(s.get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
    std::vector<double> times;
    char buffer[512];
    for (int i = 0; i < requests; ++i) {
        auto start = std::chrono::steady_clock::now();
        if (net::Send(s.get(), "LIST\n", 5) != 5) break;
        // "OK 0\n" while nothing is attached: one line.
        std::string reply;
        while (reply.find('\n') == std::string::npos) {
            long got = net::Receive(s.get(), buffer, sizeof buffer);
            if (got <= 0) return times;
            reply.append(buffer, static_cast<size_t>(got));
        }
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return times;
}

void Measure(const std::string& host, const std::string& port, int clients, int requests) {
    std::vector<std::vector<double>> results(static_cast<size_t>(clients));
    auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (auto& r : results) threads.emplace_back([&, &r = r] { r = Run(host, port, requests); });
    for (auto& t : threads) t.join();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::vector<double> all;
    for (auto& r : results) all.insert(all.end(), r.begin(), r.end());
    if (all.empty()) {
        std::printf("%2d clients: no replies\n", clients);
        return;
    }
    std::sort(all.begin(), all.end());
    std::printf("%2d clients: %zu requests, %.0f/s, p50 %.2f ms, p99 %.2f ms\n", clients, all.size(),
                static_cast<double>(all.size()) / seconds, all[all.size() / 2] / 1000, all[all.size() * 99 / 100] / 1000);
}

// Resident memory in KB, or -1.
long MemoryKb(unsigned long pid) {
#ifdef _WIN32
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    PROCESS_MEMORY_COUNTERS counters{};
    bool ok = process && GetProcessMemoryInfo(process, &counters, sizeof counters);
    if (process) CloseHandle(process);
    return ok ? static_cast<long>(counters.WorkingSetSize / 1024) : -1;
#else
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_server HOST PORT [SERVER PID] [REQUESTS PER CLIENT]\n");
        return 2;
    }
    net::Startup();
    unsigned long pid = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 0;
    int requests = argc > 4 ? std::atoi(argv[4]) : 4000;
    if (pid) std::printf("server memory at the start: %ld KB\n", MemoryKb(pid));
    Measure(argv[1], argv[2], 1, requests * 5);
    Measure(argv[1], argv[2], 20, requests);
    if (pid) std::printf("server memory after %d requests: %ld KB\n", requests * 25, MemoryKb(pid));
}
