// Writes the moment it began (100 ns units since 1601, UTC) into the file named by its
// argument: bench_launch starts it as a task.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    if (__argc < 2) return 1;
    std::FILE* out = std::fopen(__argv[1], "w");
    if (!out) return 1;
    ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    std::fprintf(out, "%llu\n", static_cast<unsigned long long>(ticks.QuadPart));
    return std::fclose(out) == 0 ? 0 : 1;
}
