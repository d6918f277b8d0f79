#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "support/Waits.h"
#include "ui/Timer.h"

namespace {

TEST(Timer, FiresOnlyWhileEnabledAndANewIntervalRestartsTheCountdown) {
    int ticks = 0;
    ui::Timer timer(150, false);
    timer.OnTimer = [&] { ++ticks; };
    Pump(200);
    EXPECT_EQ(0, ticks) << "not enabled yet";
    timer.SetEnabled(true);
    // Re-arming every 50 ms keeps a 150 ms timer from ever firing.
    for (int i = 0; i < 6; ++i) {
        Pump(50);
        timer.SetInterval(150);
    }
    EXPECT_EQ(0, ticks);
    Pump(400);
    EXPECT_GT(ticks, 1) << "re-armed, not stopped";
    timer.SetEnabled(false);
    const int stopped = ticks;
    Pump(200);
    EXPECT_EQ(stopped, ticks);
}

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
    PumpUntil([&] { return ticks >= 2; }, 2000);
    timer.SetEnabled(false);

    RemoveVectoredExceptionHandler(handler);
    debugLines = nullptr;
    EXPECT_GE(ticks, 2) << "the timer stops firing after a handler threw";
    // One line for each exception stopped, whatever was thrown; a standard one says what.
    ASSERT_GE(lines.size(), 4u);
    std::string all;
    for (const std::string& line : lines) all += line;
    EXPECT_NE(std::string::npos, all.find("handler failed"));
    EXPECT_NE(std::string::npos, all.find("tick failed"));
}

}  // namespace
