#include <algorithm>

#include "support/VantroTest.h"

namespace {

using Lines = std::vector<std::string>;

class CatchUpFixture : public SchedulerTest {
protected:
    static void SetUserSetting(const char* name, const RegValue& value, DWORD kind) {
        CreateKey(HKEY_CURRENT_USER, store::kProgramKey);
        WriteKeyValue(HKEY_CURRENT_USER, store::kProgramKey, name, value, kind);
    }
    static void RunMissed(bool on) { SetUserSetting(store::kRunMissed, RegValue::Boolean(on), REG_DWORD); }
    // Vantro back at this moment: the grid loaded, then the catch-up, as at start-up.
    void BackAt(const DateTime& t) {
        clock.Set(t);
        tasks.LoadTaskGrid();
        scheduler.CatchUp();
    }
    static void AddDaily(const std::string& name, const char* time, bool paused = false) {
        AddTask({.name = name, .location = "C:\\" + name + ".exe", .startDate = "11/01/1998", .startTime = time,
                 .days = "Sun,Mon,Tue,Wed,Thu,Fri,Sat", .paused = paused});
    }
};

struct CatchUpCase {
    const char* what;
    const char* lastScan;
    bool runMissed;
    Lines started;
    const char* status;  // a part of the status line
};

void PrintTo(const CatchUpCase& c, std::ostream* out) { *out << c.what; }

class CatchUpTest : public CatchUpFixture, public ::testing::WithParamInterface<CatchUpCase> {};

// Back on Friday 12/04/1998 at 09:00 AM.
const CatchUpCase kCases[] = {
    {"a night off, not chosen: only counted", "12/04/1998 02:00 AM", false, {}, "2"},
    {"a night off", "12/04/1998 02:00 AM", true, {"C:\\Night.exe", "C:\\Once.exe"}, "03:00 AM"},
    {"ten days: each task once, in order", "11/24/1998 09:00 AM", true,
     {"C:\\Weekly.exe", "C:\\Later.exe", "C:\\Early.exe", "C:\\Night.exe", "C:\\Once.exe"}, "7 days"},
    {"ahead of the clock", "12/05/1998 02:00 PM", true, {}, ""},
    {"unreadable", "13/04/1998 02:00 AM", true, {}, ""},
};

TEST_P(CatchUpTest, MissedTasksRunOnceInOrderOnlyWhenChosen) {
    const CatchUpCase& c = GetParam();
    AddDaily("Night", "03:00 AM");
    AddTask({.name = "Once", .location = "C:\\Once.exe", .startTime = "04:00 AM", .runOnce = true});
    AddDaily("Paused", "05:00 AM", true);
    AddDaily("Later", "10:00 AM");
    AddDaily("Early", "01:00 AM");
    AddTask({.name = "Weekly", .location = "C:\\Weekly.exe", .startDate = "01/01/1998", .startTime = "06:00 AM",
             .days = "Tue"});
    RunMissed(c.runMissed);
    SetUserSetting(store::kLastScan, RegValue::Text(c.lastScan), REG_SZ);

    BackAt({1998, 12, 4, 9, 0, 0, 0});
    EXPECT_EQ(Started(), c.started);
    EXPECT_NE(controls.txtStatus.Text().find(c.status), std::string::npos) << controls.txtStatus.Text();
    const bool onceRan = std::count(c.started.begin(), c.started.end(), "C:\\Once.exe") > 0;
    EXPECT_NE(TaskExists("Once"), onceRan);
    // The 09:00 tick and a second catch-up: nothing twice, and the status line stays.
    scheduler.Timer2_Timer();
    scheduler.CatchUp();
    EXPECT_EQ(Started(), c.started);
    EXPECT_NE(controls.txtStatus.Text().find(c.status), std::string::npos) << controls.txtStatus.Text();
}

INSTANTIATE_TEST_SUITE_P(LastScans, CatchUpTest, ::testing::ValuesIn(kCases));

using CatchUpMarkTest = CatchUpFixture;

TEST_F(CatchUpMarkTest, TheCatchUpAndTheTickLeaveTheMinuteTheyScanned) {
    AddDaily("Daily", "03:00 AM");
    RunMissed(true);
    BackAt({1998, 12, 4, 2, 0, 0, 0});  // nothing stored: nothing missed, but the mark is left
    BackAt({1998, 12, 4, 9, 0, 0, 0});
    EXPECT_EQ(Started(), (Lines{"C:\\Daily.exe"}));

    clock.Set({1998, 12, 5, 2, 58, 0, 10});
    scheduler.Timer2_Timer();
    EXPECT_EQ(ReadKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kLastScan).AsText(), "12/05/1998 02:58 AM");
    BackAt({1998, 12, 5, 3, 0, 30, 0});  // 02:59 was never scanned, 03:00 is under way
    EXPECT_EQ(Started().size(), 1u);
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (Lines{"C:\\Daily.exe", "C:\\Daily.exe"})) << "its own minute runs on time, not late";
}

}  // namespace
