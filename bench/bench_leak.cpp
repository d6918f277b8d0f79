// The main window through a simulated month of minutes (one launch and one grid
// rebuild a minute); prints what the process held after a warm-up hour and at the end.
// Usage: bench_leak [days]
#include <cstdio>
#include <cstdlib>

#include "support/LongRun.h"

int main(int argc, char** argv) {
    int days = argc > 1 ? std::atoi(argv[1]) : 30;
    LongRunReport run = RunMainWindow(days * 24 * 60 + 60, 60);
    std::printf("%d simulated minutes, %d launches, %.0f s\nstart: %s\nend:   %s\n", run.minutes, run.launches,
                run.seconds, run.start.Text().c_str(), run.end.Text().c_str());
    return 0;
}
