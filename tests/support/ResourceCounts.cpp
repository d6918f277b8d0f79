#include "support/ResourceCounts.h"

#include <windows.h>
#include <winternl.h>

#include <cstdio>

namespace {

// Every handle value that names an open handle; the first 16,384 values are far more
// than the program holds, and the same probe answers on Windows and under Wine.
size_t CountHandles() {
    size_t open = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags;
        open += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    }
    return open;
}

// The GDI handle table the process environment block points at (x64 layout).
struct GdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
};
constexpr size_t kGdiTableOffset = 0xF8;
constexpr size_t kGdiTableEntries = 0x10000;

size_t CountGdi() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess"));
    PROCESS_BASIC_INFORMATION basic{};
    if (query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
    const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiEntry* const*>(peb + kGdiTableOffset);
    if (!table) return 0;
    size_t used = 0;
    for (size_t i = 0; i < kGdiTableEntries; ++i) used += table[i].type != 0;
    return used;
}

// Windows and menus of this process, found by trying every USER handle value.
constexpr ULONG_PTR kFirstUserHandle = 0x20;
constexpr ULONG_PTR kUserHandleSlots = 0x8000;

size_t CountUser() {
    if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return count;
    size_t mine = 0;
    for (ULONG_PTR i = 0; i < kUserHandleSlots; ++i) {
        ULONG_PTR value = kFirstUserHandle + 2 * i;
        if (IsWindow(reinterpret_cast<HWND>(value))) {
            DWORD process = 0;
            GetWindowThreadProcessId(reinterpret_cast<HWND>(value), &process);
            mine += process == GetCurrentProcessId();
        } else {
            mine += IsMenu(reinterpret_cast<HMENU>(value)) != FALSE;
        }
    }
    return mine;
}

// Committed memory of the process's own: what "private bytes" counts.
size_t CountPrivateBytes() {
    size_t total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region);
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    return total;
}

}  // namespace

std::string ResourceCounts::Text() const {
    char text[128];
    std::snprintf(text, sizeof text, "handles %zu, GDI %zu, USER %zu, private %.1f MB", handles, gdi, user,
                  privateBytes / 1048576.0);
    return text;
}

ResourceCounts CountResources() { return {CountHandles(), CountGdi(), CountUser(), CountPrivateBytes()}; }
