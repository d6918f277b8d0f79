#include <random>

#include "platform/DateTimeText.h"
#include "scheduler/MessageFile.h"
#include "support/VantroTest.h"

namespace {

// Run with ticks on the minute and with ticks late by up to 200 ms: both must launch
// the same list.
class WeekTest : public SchedulerTest, public ::testing::WithParamInterface<int> {
protected:
    WeekTest() { SetMessageApp("C:\\windows\\notepad.exe"); }

    // Runs the scheduler timer from start for the given minutes, a tick a minute: each
    // comes when the interval it set has run out, late by 0 to GetParam() ms. Notes each launch as
    // "mm/dd/yyyy hh:mm AM start|shell style command".
    void RunTimer(DateTime start, int minutes) {
        std::uniform_int_distribution<int> lateness(0, GetParam());
        clock.Set(start);
        clock.AddMilliseconds(lateness(random_));
        for (int tick = 0; tick < minutes; ++tick) {
            size_t launches = launcher.launches.size();
            scheduler.Timer2_Timer();
            std::string when = datetext::DateMMDDYYYY(clock.now.date()) + " " + datetext::TimeHHMMAmPm(clock.now);
            for (; launches < launcher.launches.size(); ++launches) {
                const LaunchRecord& launch = launcher.launches[launches];
                noted.push_back(when + (launch.shell ? " shell " : " start ") +
                                std::to_string(launch.showCommand) + " " + launch.commandLine);
            }
            clock.AddMilliseconds(controls.Timer2.Interval() + lateness(random_));
        }
    }
    std::vector<std::string> noted;
    std::mt19937 random_{1998};
};

INSTANTIATE_TEST_SUITE_P(OnTimeAndLate, WeekTest, ::testing::Values(0, 200));

TEST_P(WeekTest, AWeekOfMinutesLaunchesExactlyTheDueTasks) {
    launcher.failingStarts["C:\\missing.exe"] = ERROR_FILE_NOT_FOUND;
    const std::string every = "Sat,Fri,Thu,Wed,Tue,Mon,Sun";
    const store::TaskRecord week[] = {
        {"Backup", "C:\\bin\\backup.exe /all", "12/01/1998", "02:00 AM", "Fri,Wed,Mon"},
        {"Bad", "notes.txt", "12/04/1998", "08:00 PM", "Sun"},
        {"Failing", "C:\\missing.exe", "12/01/1998", "01:00 PM", "Thu"},
        {"Later once", "C:\\later.exe", "12/20/1998", "12:00 PM", "", true},
        {"Noon clash", "C:\\clash.exe", "12/06/1998", "12:00 PM", "", true},
        {"Memo", "MSG:Pay the rent", "12/07/1998", "12:00 AM", "", true},
        {"Old once", "C:\\old.exe", "11/20/1998", "12:00 PM", "", true},
        {"Once", "C:\\once.exe", "12/09/1998", "03:15 PM", "", true},
        {"Quiet", "C:\\quiet.exe", "12/01/1998", "10:00 AM", every, false, true},
        {"Quoted", "\"C:\\Program Files\\x.exe\" /q", "12/01/1998", "12:00 PM", "Fri"},
        {"Remind", "MSG:Stand-up", "12/01/1998", "09:00 AM", "Thu,Tue"},
        {"Report", "C:\\report.exe", "12/08/1998", "11:59 PM", every},
        {"Short date", "C:\\short.exe", "12/01/98", "06:30 AM", "Sat,Sun"},
    };
    for (const store::TaskRecord& task : week) AddTask(task);
    tasks.LoadTaskGrid();

    // Sunday 6 December 1998, 00:00, to Saturday 12 December, 23:59.
    RunTimer({1998, 12, 6, 0, 0, 0, 0}, 7 * 24 * 60);

    const std::string editor = "C:\\windows\\notepad.exe " + MessageFileArgument(folder.Path());
    EXPECT_EQ(noted, (std::vector<std::string>{
                         "12/06/1998 06:30 AM start 1 C:\\short.exe",
                         "12/06/1998 12:00 PM start 1 C:\\clash.exe",
                         "12/06/1998 12:00 PM start 1 C:\\old.exe",
                         "12/07/1998 12:00 AM start 3 " + editor,
                         "12/07/1998 02:00 AM start 1 C:\\bin\\backup.exe /all",
                         "12/08/1998 09:00 AM start 2 " + editor,
                         "12/08/1998 11:59 PM start 1 C:\\report.exe",
                         "12/09/1998 02:00 AM start 1 C:\\bin\\backup.exe /all",
                         "12/09/1998 03:15 PM start 1 C:\\once.exe",
                         "12/09/1998 11:59 PM start 1 C:\\report.exe",
                         "12/10/1998 09:00 AM start 2 " + editor,
                         "12/10/1998 01:00 PM start 1 C:\\missing.exe",
                         "12/10/1998 01:00 PM shell 1 C:\\missing.exe",
                         "12/10/1998 11:59 PM start 1 C:\\report.exe",
                         "12/11/1998 02:00 AM start 1 C:\\bin\\backup.exe /all",
                         "12/11/1998 12:00 PM start 1 \"C:\\Program Files\\x.exe\" /q",
                         "12/11/1998 11:59 PM start 1 C:\\report.exe",
                         "12/12/1998 06:30 AM start 1 C:\\short.exe",
                         "12/12/1998 11:59 PM start 1 C:\\report.exe",
                     }));
    for (const char* gone : {"Memo", "Noon clash", "Old once", "Once"}) EXPECT_FALSE(TaskExists(gone)) << gone;
    for (const char* kept : {"Backup", "Bad", "Failing", "Later once", "Quiet", "Quoted", "Remind", "Report"})
        EXPECT_TRUE(TaskExists(kept)) << kept;
    EXPECT_EQ(ReadWholeFile(folder.Path() + "\\message.txt"), "Stand-up\r\n");
    RunMessageLoop();
    EXPECT_EQ(prompts.MessageBoxes().size(), 7u) << "Bad: one box a day, Sunday's list or not";

    // The clock set back over the evening (as in autumn): no minute launches twice.
    noted.clear();
    RunTimer({1998, 12, 12, 19, 30, 0, 0}, 4 * 60 + 30);
    EXPECT_EQ(noted, std::vector<std::string>{});
}

}  // namespace
