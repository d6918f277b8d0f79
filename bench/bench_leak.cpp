// The main window through a simulated month of minutes (one launch and one grid
// rebuild a minute); prints what the process held after a warm-up hour and at the end.
// Usage: bench_leak [days]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/LongRun.h"

int main(int argc, char** argv) {
    int days = argc > 1 ? std::atoi(argv[1]) : 30;
    auto begun = std::chrono::steady_clock::now();
    LongRunReport run = RunMainWindow(days * 24 * 60 + 60, 60);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    std::printf("%d simulated minutes, %d launches, %.0f s\nstart: %s\nend:   %s\n", days * 24 * 60, run.launches,
                seconds, run.start.Text().c_str(), run.end.Text().c_str());
    return 0;
}
