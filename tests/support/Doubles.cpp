#include "support/Doubles.h"

void FakeClock::AddMilliseconds(long long ms) {
    SYSTEMTIME st{WORD(now.year),   WORD(now.month),  0, WORD(now.day), WORD(now.hour),
                  WORD(now.minute), WORD(now.second), WORD(now.millisecond)};
    FILETIME file;
    SystemTimeToFileTime(&st, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    ticks.QuadPart += ms * 10000;  // 100 ns units
    file = {ticks.LowPart, ticks.HighPart};
    FileTimeToSystemTime(&file, &st);
    now = {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

int ScriptedPrompts::MessageBox(HWND, const std::string& text, const std::string& title, UINT style) {
    asked.push_back({true, title, text, style});
    if (whileOpen) whileOpen();
    if (!messageAnswers.empty()) {
        int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    switch (style & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDOK;
    }
}
