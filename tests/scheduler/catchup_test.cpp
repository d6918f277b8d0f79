#include "support/VantroTest.h"

namespace {

using Lines = std::vector<std::string>;

class CatchUpTest : public SchedulerTest {
protected:
    static void SetUserSetting(const char* name, const RegValue& value, DWORD kind) {
        CreateKey(HKEY_CURRENT_USER, store::kProgramKey);
        WriteKeyValue(HKEY_CURRENT_USER, store::kProgramKey, name, value, kind);
    }
    static void RunMissed(bool on) { SetUserSetting(store::kRunMissed, RegValue::Boolean(on), REG_DWORD); }
    static void LastScan(const char* text) { SetUserSetting(store::kLastScan, RegValue::Text(text), REG_SZ); }
    // Vantro back at this moment: the grid loaded, then the catch-up, as at start-up.
    void BackAt(const DateTime& t) {
        clock.Set(t);
        tasks.LoadTaskGrid();
        scheduler.CatchUp();
    }
    static void AddDaily(const std::string& name, const char* time) {
        AddTask({.name = name, .location = "C:\\" + name + ".exe", .startDate = "11/01/1998", .startTime = time,
                 .days = "Sun,Mon,Tue,Wed,Thu,Fri,Sat"});
    }
};

TEST_F(CatchUpTest, ANightOffRunsEachMissedTaskOnceInOrderOnlyWhenChosen) {
    AddDaily("Night", "03:00 AM");
    AddTask({.name = "Once", .location = "C:\\Once.exe", .startTime = "04:00 AM", .runOnce = true});
    AddDaily("Paused", "05:00 AM");
    ASSERT_TRUE(store::WriteTaskPaused(store::Store::Machine, "Paused", true));
    AddDaily("Later", "10:00 AM");
    AddDaily("Early", "01:00 AM");  // ran before Vantro went away

    LastScan("12/04/1998 02:00 AM");
    BackAt({1998, 12, 4, 9, 0, 0, 0});
    EXPECT_TRUE(Started().empty()) << "off by default";
    EXPECT_NE(controls.txtStatus.Text().find('2'), std::string::npos) << controls.txtStatus.Text();
    scheduler.Timer2_Timer();
    EXPECT_TRUE(Started().empty());
    EXPECT_NE(controls.txtStatus.Text().find('2'), std::string::npos) << "the count stays on the status line";

    RunMissed(true);
    LastScan("12/04/1998 02:00 AM");
    BackAt({1998, 12, 4, 9, 0, 0, 0});
    EXPECT_EQ(Started(), (Lines{"C:\\Night.exe", "C:\\Once.exe"}));
    EXPECT_FALSE(TaskExists("Once"));
    EXPECT_FALSE(ReadTaskValue("Night", store::kLastRan).IsEmpty());
    const std::string status = controls.txtStatus.Text();
    EXPECT_LT(status.find("Night"), status.find("Once")) << status;
    EXPECT_NE(status.find("03:00 AM"), std::string::npos) << status;
    scheduler.Timer2_Timer();  // the 09:00 tick, and a second catch-up: nothing twice
    scheduler.CatchUp();
    EXPECT_EQ(Started().size(), 2u);
}

TEST_F(CatchUpTest, LongGapsRunOnceAndBadOrFutureLastScansRunNothing) {
    RunMissed(true);
    AddDaily("Daily", "03:00 AM");
    AddTask({.name = "Weekly", .location = "C:\\Weekly.exe", .startDate = "01/01/1998", .startTime = "06:00 AM",
             .days = "Tue"});
    LastScan("11/24/1998 09:00 AM");  // ten days back
    BackAt({1998, 12, 4, 9, 0, 0, 0});
    EXPECT_EQ(Started(), (Lines{"C:\\Weekly.exe", "C:\\Daily.exe"}));
    EXPECT_NE(controls.txtStatus.Text().find("7 days"), std::string::npos) << controls.txtStatus.Text();

    // Ahead of the clock, unreadable, or no text at all.
    for (const char* bad :
         {"12/05/1998 02:00 PM", "12/06/1998 02:00 AM", "13/04/1998 02:00 AM", "02:00 AM", "yesterday", ""}) {
        launcher.launches.clear();
        LastScan(bad);
        BackAt({1998, 12, 5, 9, 0, 0, 0});
        EXPECT_TRUE(Started().empty()) << bad;
    }
    launcher.launches.clear();
    DeleteKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kLastScan);
    BackAt({1998, 12, 6, 9, 0, 0, 0});
    EXPECT_TRUE(Started().empty()) << "missing";
    // The catch-up leaves its own mark, so the next start picks up from here.
    BackAt({1998, 12, 7, 9, 0, 0, 0});
    EXPECT_EQ(Started(), (Lines{"C:\\Daily.exe"}));
}

TEST_F(CatchUpTest, TheTickRecordsEachMinuteItScans) {
    AddDaily("Daily", "03:00 AM");
    tasks.LoadTaskGrid();
    clock.Set({1998, 12, 4, 2, 58, 0, 10});
    scheduler.Timer2_Timer();
    EXPECT_EQ(ReadKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kLastScan).AsText(), "12/04/1998 02:58 AM");
    RunMissed(true);
    BackAt({1998, 12, 4, 3, 0, 30, 0});  // 02:59 was never scanned, 03:00 is under way
    EXPECT_TRUE(Started().empty());
    scheduler.Timer2_Timer();
    EXPECT_EQ(Started(), (Lines{"C:\\Daily.exe"})) << "its own minute runs on time, not late";
}

}  // namespace
