#include "VantroProcess.h"

#include <cstdlib>
#include <stdexcept>

#include "mainwindow/MainControls.h"

namespace {

// VANTRO_BIN is the build's bin folder as a Linux path; Wine shows / as drive Z:.
std::string BinFolder() {
    const char* bin = std::getenv("VANTRO_BIN");
    if (!bin) throw std::runtime_error("VANTRO_BIN is not set");
    std::string folder = std::string("Z:") + bin;
    for (char& ch : folder)
        if (ch == '/') ch = '\\';
    return folder;
}

DateTime LocalNow() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

}  // namespace

VantroProcess::VantroProcess() {
    for (const char* file : {"Vantro.exe", "task.exe"}) {
        std::string from = BinFolder() + "\\" + file;
        std::string to = folder_.Path() + "\\" + file;
        if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from);
    }
}

VantroProcess::~VantroProcess() {
    if (!process_) return;
    TerminateProcess(process_.get(), 9);
    WaitForSingleObject(process_.get(), 10000);
}

void VantroProcess::Adopt(HWND mainWindow) {
    DWORD processId = 0;
    GetWindowThreadProcessId(mainWindow, &processId);
    process_.reset(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId));
}

bool VantroProcess::WaitForExit(DWORD ms) {
    return process_ && WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0;
}

std::optional<DateTime> NextMinuteWithRoom() {
    if (LocalNow().second > 40) Sleep((61 - LocalNow().second) * 1000);
    DateTime due = LocalNow();
    due.second = due.millisecond = 0;
    if (++due.minute == 60) {  // the hour rolls over; the date test needs the real day
        due.minute = 0;
        due.hour = (due.hour + 1) % 24;
    }
    if (due.hour == 0 && due.minute == 0) return std::nullopt;
    return due;
}

DWORD RunToEnd(const std::string& commandLine, DWORD ms) {
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info))
        return GetLastError();
    UniqueKernelHandle thread(info.hThread);
    UniqueKernelHandle process(info.hProcess);
    if (WaitForSingleObject(process.get(), ms) != WAIT_OBJECT_0) return WAIT_TIMEOUT;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

void ClearStore() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern");
    RegDeleteTreeA(HKEY_CURRENT_USER, "SOFTWARE\\Halvern");
}

UINT MainMenuCommand(const char* name) { return ui::Menu(MainMenuTable()).Item(name).Id(); }
