#include "scheduler/scheduler_fixture.h"

namespace {

class WeekTest : public SchedulerTest {
protected:
    // Ticks at second 0 of every minute from start, for the given number of minutes,
    // and notes each launch as "mm/dd/yyyy hh:mm AM kind style command".
    void TickEveryMinute(DateTime start, int minutes) {
        clock.Set(start);
        for (int i = 0; i < minutes; ++i) {
            TickAndNote();
            clock.AddMinutes(1);
        }
    }
    void TickAndNote() {
        size_t before = launcher.launches.size();
        size_t boxesBefore = prompts.MessageBoxes().size();
        scheduler.Timer2_Timer();
        std::string when = datetext::DateMMDDYYYY(clock.now.date()) + " " + datetext::TimeHHMMAmPm(clock.now);
        for (size_t i = before; i < launcher.launches.size(); ++i) {
            const LaunchRecord& launch = launcher.launches[i];
            const char* kind = launch.kind == LaunchRecord::Kind::Process ? "start" : "shell";
            noted.push_back(when + " " + kind + " " + std::to_string(launch.showCommand) + " " + launch.commandLine);
        }
        auto boxes = prompts.MessageBoxes();
        for (size_t i = boxesBefore; i < boxes.size(); ++i) noted.push_back(when + " box " + boxes[i].text);
    }

    std::vector<std::string> noted;
};

TEST_F(WeekTest, AWeekOfMinutesLaunchesExactlyTheDueTasks) {
    SetMessageApp("C:\\windows\\notepad.exe");
    launcher.failingStarts["C:\\missing.exe"] = ERROR_FILE_NOT_FOUND;
    WriteTask({.name = "Backup", .location = "C:\\bin\\backup.exe /all", .startDate = "12/01/1998",
               .startTime = "02:00 AM", .days = "Fri,Wed,Mon"});
    WriteTask({.name = "Bad", .location = "notes.txt", .startTime = "08:00 PM", .days = "Sun"});
    WriteTask({.name = "Failing", .location = "C:\\missing.exe", .startDate = "12/01/1998",
               .startTime = "01:00 PM", .days = "Thu"});
    WriteTask({.name = "Later once", .location = "C:\\later.exe", .startDate = "12/20/1998",
               .startTime = "12:00 PM", .runOnce = true});
    WriteTask({.name = "Noon clash", .location = "C:\\clash.exe", .startDate = "12/06/1998",
               .startTime = "12:00 PM", .runOnce = true});
    WriteTask({.name = "Memo", .location = "MSG:Pay the rent", .startDate = "12/07/1998",
               .startTime = "12:00 AM", .runOnce = true});
    WriteTask({.name = "Old once", .location = "C:\\old.exe", .startDate = "11/20/1998",
               .startTime = "12:00 PM", .runOnce = true});
    WriteTask({.name = "Once", .location = "C:\\once.exe", .startDate = "12/09/1998",
               .startTime = "03:15 PM", .runOnce = true});
    WriteTask({.name = "Quiet", .location = "C:\\quiet.exe", .startDate = "12/01/1998",
               .startTime = "10:00 AM", .days = "Sat,Fri,Thu,Wed,Tue,Mon,Sun", .paused = true});
    WriteTask({.name = "Quoted", .location = "\"C:\\Program Files\\x.exe\" /q", .startDate = "12/01/1998",
               .startTime = "12:00 PM", .days = "Fri"});
    WriteTask({.name = "Remind", .location = "MSG:Stand-up", .startDate = "12/01/1998",
               .startTime = "09:00 AM", .days = "Thu,Tue"});
    WriteTask({.name = "Report", .location = "C:\\report.exe", .startDate = "12/08/1998",
               .startTime = "11:59 PM", .days = "Sat,Fri,Thu,Wed,Tue,Mon,Sun"});
    WriteTask({.name = "Short date", .location = "C:\\short.exe", .startDate = "12/01/98",
               .startTime = "06:30 AM", .days = "Sat,Sun"});
    tasks.LoadTaskGrid();

    // Sunday 6 December 1998, 00:00, to Saturday 12 December, 23:59.
    TickEveryMinute({1998, 12, 6, 0, 0, 0, 0}, 7 * 24 * 60);

    const std::string editor = "C:\\windows\\notepad.exe Message.txt";
    EXPECT_EQ(noted, (std::vector<std::string>{
                         "12/06/1998 06:30 AM start 1 C:\\short.exe",
                         "12/06/1998 12:00 PM start 1 C:\\clash.exe",
                         "12/06/1998 12:00 PM start 1 C:\\old.exe",
                         "12/06/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/07/1998 12:00 AM start 3 " + editor,
                         "12/07/1998 02:00 AM start 1 C:\\bin\\backup.exe /all",
                         "12/07/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/08/1998 09:00 AM start 2 " + editor,
                         "12/08/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/08/1998 11:59 PM start 1 C:\\report.exe",
                         "12/09/1998 02:00 AM start 1 C:\\bin\\backup.exe /all",
                         "12/09/1998 03:15 PM start 1 C:\\once.exe",
                         "12/09/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/09/1998 11:59 PM start 1 C:\\report.exe",
                         "12/10/1998 09:00 AM start 2 " + editor,
                         "12/10/1998 01:00 PM start 1 C:\\missing.exe",
                         "12/10/1998 01:00 PM shell 1 C:\\missing.exe",
                         "12/10/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/10/1998 11:59 PM start 1 C:\\report.exe",
                         "12/11/1998 02:00 AM start 1 C:\\bin\\backup.exe /all",
                         "12/11/1998 12:00 PM start 1 \"C:\\Program Files\\x.exe\" /q",
                         "12/11/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/11/1998 11:59 PM start 1 C:\\report.exe",
                         "12/12/1998 06:30 AM start 1 C:\\short.exe",
                         "12/12/1998 08:00 PM box Error trying to launch Bad on 12/04/1998 at 08:00 PM",
                         "12/12/1998 11:59 PM start 1 C:\\report.exe",
                     }));
    for (const char* gone : {"Memo", "Noon clash", "Old once", "Once"}) EXPECT_FALSE(TaskExists(gone)) << gone;
    for (const char* kept : {"Backup", "Bad", "Failing", "Later once", "Quiet", "Quoted", "Remind", "Report"})
        EXPECT_TRUE(TaskExists(kept)) << kept;
    EXPECT_TRUE(ReadTaskValue("Quiet", store::kLastRan).IsEmpty());
    EXPECT_EQ(ReadTaskValue("Report", store::kLastRan).AsText(), "On 12/12/98 at 11:59:00 PM");
    EXPECT_EQ(ReadWholeFile(folder.Path() + "\\message.txt"), "Stand-up\r\n");
}

TEST_F(WeekTest, AutumnClockChangeLaunchesEachDueTaskOnce) {
    SetMessageApp("C:\\windows\\notepad.exe");
    WriteTask({.name = "Daily", .location = "C:\\daily.exe", .startDate = "10/01/1998", .startTime = "02:30 AM",
               .days = "Sat,Fri,Thu,Wed,Tue,Mon,Sun"});
    WriteTask({.name = "Memo", .location = "MSG:Hi", .startDate = "10/01/1998", .startTime = "02:45 AM",
               .days = "Sun"});
    WriteTask({.name = "Once", .location = "C:\\once.exe", .startDate = "10/25/1998", .startTime = "02:15 AM",
               .runOnce = true});
    WriteTask({.name = "Odd", .location = "odd.txt", .startDate = "10/01/1998", .startTime = "02:50 AM",
               .days = "Sun"});
    tasks.LoadTaskGrid();

    // Sunday 25 October 1998: at 03:00 summer time the clocks go back to 02:00.
    TickEveryMinute({1998, 10, 25, 1, 30, 0, 0}, 90);
    TickEveryMinute({1998, 10, 25, 2, 0, 0, 0}, 90);
    const std::string editor = "C:\\windows\\notepad.exe Message.txt";
    EXPECT_EQ(noted, (std::vector<std::string>{
                         "10/25/1998 02:15 AM start 1 C:\\once.exe",
                         "10/25/1998 02:30 AM start 1 C:\\daily.exe",
                         "10/25/1998 02:45 AM start 2 " + editor,
                         "10/25/1998 02:50 AM box Error trying to launch Odd on 10/01/1998 at 02:50 AM",
                     }));

    // The next day the same minute is a new launch.
    noted.clear();
    TickEveryMinute({1998, 10, 26, 2, 30, 0, 0}, 1);
    EXPECT_EQ(noted, (std::vector<std::string>{"10/26/1998 02:30 AM start 1 C:\\daily.exe"}));
}

}  // namespace
