#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Timer.h"

namespace {

// What the program wrote to the debugger output, caught as the debugger would see it.
std::vector<std::string>* debugLines = nullptr;

LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2 && debugLines)
        debugLines->push_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_SEARCH;
}

class ThrowingForm : public ui::Form {
public:
    ThrowingForm() : Form({"VantroThrowingTest", "Throws", 3000, 2000}, {}) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) throw std::runtime_error("handler failed");
        if (message == WM_APP + 1) throw 42;
        return Form::HandleMessage(message, wParam, lParam);
    }
};

bool Mentions(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

TEST(StoppedException, WindowProcedureAndTimerWriteWhatTheyStoppedToTheDebugger) {
    std::vector<std::string> lines;
    debugLines = &lines;
    PVOID handler = AddVectoredExceptionHandler(1, CatchDebugOutput);

    ThrowingForm form;
    ASSERT_TRUE(form.Create());
    // The window survives its handler's failure and answers the next message.
    SendMessageA(form.hwnd(), WM_APP, 0, 0);
    SendMessageA(form.hwnd(), WM_APP + 1, 0, 0);
    EXPECT_TRUE(IsWindow(form.hwnd()));

    ui::Timer timer(10, true);
    int ticks = 0;
    timer.OnTimer = [&] {
        ++ticks;
        throw std::logic_error("tick failed");
    };
    for (DWORD until = GetTickCount() + 2000; ticks < 2 && static_cast<LONG>(until - GetTickCount()) > 0; Sleep(5)) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    timer.SetEnabled(false);

    RemoveVectoredExceptionHandler(handler);
    debugLines = nullptr;
    EXPECT_GE(ticks, 2) << "the timer stops firing after a handler threw";
    // One line for each exception stopped, whatever was thrown; a standard one says what.
    EXPECT_GE(lines.size(), 4u);
    EXPECT_TRUE(Mentions(lines, "handler failed"));
    EXPECT_TRUE(Mentions(lines, "tick failed"));
}

}  // namespace
