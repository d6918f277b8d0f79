#include <windows.h>

#include "about/HelpLinks.h"
#include "about/Links.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "platform/ErrorText.h"
#include "support/VantroTest.h"

namespace {

using AboutTest = VantroTest;

TEST_F(AboutTest, SystemInformationFromTheFirstPlaceElseTheSecondElseUnavailable) {
    // What StartSysInfo did: the command line it started, or the message it showed.
    auto startSysInfo = [this] {
        launcher.launches.clear();
        prompts.asked.clear();
        StartSysInfo(context, nullptr);
        std::string done;
        for (const auto& launch : launcher.launches)
            done += launch.commandLine + (launch.showCommand == SW_SHOWNORMAL ? " shown;" : " hidden;");
        for (const auto& box : prompts.MessageBoxes())
            done += box.text + (box.title == "Vantro" && box.style == MB_OK ? "" : " (box differs)");
        return done;
    };
    const std::string unavailable = "System Information Is Unavailable At This Time";

    CreateKey(HKEY_LOCAL_MACHINE, store::kSharedToolsLocationKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kSharedToolsLocationKey, "MSINFO", RegValue::Text(folder.Path()), REG_SZ);
    EXPECT_EQ(unavailable, startSysInfo()) << "a folder without the tool";
    WriteWholeFile(folder.Path() + "\\MSINFO32.EXE", "");
    EXPECT_EQ("\"" + folder.Path() + "\\MSINFO32.EXE\" shown;", startSysInfo());

    const std::string registered = "C:\\Program Files\\Tools\\msinfo.exe";
    CreateKey(HKEY_LOCAL_MACHINE, store::kMsInfoKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kMsInfoKey, "PATH", RegValue::Text(registered), REG_SZ);
    EXPECT_EQ("\"" + registered + "\" shown;", startSysInfo()) << "the first place wins, quoted";
    launcher.failingStarts["\"" + registered + "\""] = ERROR_FILE_NOT_FOUND;
    EXPECT_EQ("\"" + registered + "\" shown;" + unavailable, startSysInfo()) << "a start that fails";
}

TEST_F(AboutTest, ItsLinksAndHelpWhenTheShellFails) {
    frmAbout about(context);
    about.Show();

    launcher.shellResult = SE_ERR_NOASSOC;
    for (const char* button : {"&Email Us", "&Web Site"})
        SendMessageA(FindWindowExA(about.hwnd(), nullptr, "Button", button), BM_CLICK, 0, 0);
    ASSERT_EQ(2u, launcher.launches.size());
    EXPECT_EQ(std::string("mailto:") + links::kSupportMail, launcher.launches[0].commandLine);
    EXPECT_EQ(links::kProductWebPage, launcher.launches[1].commandLine);
    EXPECT_EQ(SW_SHOWNORMAL, launcher.launches[0].showCommand) << "a mail window that can be seen";
    EXPECT_TRUE(prompts.asked.empty()) << "a link that does not open says nothing";

    // Help without "Vantro.hlp": the help page; when that cannot open, the reason.
    launcher.launches.clear();
    launcher.shellResult = 42;
    ShowHelpContents(context, about.hwnd());
    ASSERT_EQ(1u, launcher.launches.size());
    EXPECT_EQ(folder.Path() + "\\Vantro.htm", launcher.launches[0].commandLine);
    launcher.shellResult = SE_ERR_FNF;
    ShowHelpContents(context, about.hwnd());
    ASSERT_EQ(1u, prompts.asked.size());
    EXPECT_EQ(SystemMessageText(ERROR_FILE_NOT_FOUND), prompts.asked[0].text);
}

}  // namespace
