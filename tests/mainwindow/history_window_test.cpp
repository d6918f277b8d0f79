#include <gtest/gtest.h>

#include "mainwindow/frmHistory.h"
#include "scheduler/LaunchHistory.h"
#include "support/ScratchRegistry.h"

namespace {

std::string Line(const char* time, const char* task, const char* result) {
    return HistoryLine({time, task, "Machine", "C:\\job.exe", "Scheduled", result, "0:00:01"}) + "\r\n";
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (auto* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(HistoryWindow, ShowsNewestFirstFiltersOnTheTaskAndCopiesWhatItShows) {
    TempFolder folder;
    const std::string path = HistoryFileIn(folder.Path());
    WriteWholeFile(path, HistoryHeadingLine() + "\r\n" + Line("1998-12-04 19:05:00", "Backup", "Exit code 3") +
                             "not a launch\r\n" + Line("1998-12-04 19:06:00", "Mail", "Exit code 0") +
                             Line("1998-12-04 19:07:00", "Backup", "Exit code 0"));
    frmHistory window(path);
    window.Show();
    ASSERT_EQ(window.Shown().size(), 3u);
    EXPECT_EQ(window.Shown().front()->time, "1998-12-04 19:07:00");

    ASSERT_EQ(window.cbTask.ListCount(), 3) << "all, and each task once";
    window.cbTask.SetListIndex(1);
    window.cbTask_Click();
    ASSERT_EQ(window.Shown().size(), 2u);
    for (const HistoryEntry* entry : window.Shown()) EXPECT_EQ(entry->task, window.cbTask.List(1));

    window.btnCopy_Click();
    const std::string copied = ClipboardText();
    EXPECT_EQ(copied, window.ShownText());
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 3) << "heading and two rows";

    // A launch since: read afresh, the filter kept.
    WriteWholeFile(path, ReadWholeFile(path) + Line("1998-12-04 19:08:00", window.cbTask.List(1).c_str(), "Running"));
    window.Reload();
    ASSERT_EQ(window.Shown().size(), 3u);
    EXPECT_EQ(window.Shown().front()->result, "Running");
    window.Unload();
}

}  // namespace
