#include "platform/Clock.h"

#include <windows.h>

DateTime SystemClock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}
