#include <windows.h>

#include "about/HelpLinks.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "platform/ErrorText.h"
#include "support/VantroTest.h"

namespace {

constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";

class AboutTest : public VantroTest {
protected:
    static void Click(const frmAbout& about, const char* caption) {
        SendMessageA(FindWindowExA(about.hwnd(), nullptr, "Button", caption), BM_CLICK, 0, 0);
    }
    static bool HasLabel(const frmAbout& about, const char* text) {
        return FindWindowExA(about.hwnd(), nullptr, "Static", text) != nullptr;
    }
};

TEST_F(AboutTest, CaptionTitleAndVersionComeFromTheApplication) {
    app.SetVersion(1, 5, 0);
    frmAbout about(context);
    ASSERT_TRUE(about.Create());
    EXPECT_EQ("About Vantro", about.Caption());
    EXPECT_TRUE(HasLabel(about, "Vantro"));
    EXPECT_TRUE(HasLabel(about, "Version 1.5.0"));
}

TEST_F(AboutTest, SystemInformationFromTheFirstPlaceElseTheSecondElseUnavailable) {
    auto startSysInfo = [this] {
        launcher.launches.clear();
        prompts.asked.clear();
        StartSysInfo(context, nullptr);
    };
    auto saidUnavailable = [this] {
        auto boxes = prompts.MessageBoxes();
        return boxes.size() == 1 && boxes[0].text == kUnavailable &&
               boxes[0].title == "Vantro" && boxes[0].style == MB_OK;
    };
    auto started = [this](const std::string& program) {
        return prompts.asked.empty() && launcher.launches.size() == 1 &&
               launcher.launches[0].commandLine == "\"" + program + "\"" &&
               launcher.launches[0].showCommand == SW_SHOWNORMAL;
    };

    startSysInfo();
    EXPECT_TRUE(saidUnavailable() && launcher.launches.empty()) << "nothing registered";

    CreateKey(HKEY_LOCAL_MACHINE, store::kSharedToolsLocationKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kSharedToolsLocationKey, "MSINFO", RegValue::Text(folder.Path()), REG_SZ);
    startSysInfo();
    EXPECT_TRUE(saidUnavailable() && launcher.launches.empty()) << "a folder without the tool";
    const std::string msinfo32 = folder.Path() + "\\MSINFO32.EXE";
    WriteWholeFile(msinfo32, "");
    startSysInfo();
    EXPECT_TRUE(started(msinfo32));

    const std::string registered = "C:\\Program Files\\Tools\\msinfo.exe";
    CreateKey(HKEY_LOCAL_MACHINE, store::kMsInfoKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kMsInfoKey, "PATH", RegValue::Text(registered), REG_SZ);
    startSysInfo();
    EXPECT_TRUE(started(registered)) << "the first place wins";
    launcher.failingStarts["\"" + registered + "\""] = ERROR_FILE_NOT_FOUND;
    startSysInfo();
    EXPECT_TRUE(saidUnavailable()) << "a start that fails";
}

TEST_F(AboutTest, MailAndWebButtonsOpenTheirAddressesAndThePointerComesBackWhenTheShellFails) {
    frmAbout about(context);
    about.Show();
    launcher.shellResult = SE_ERR_NOASSOC;
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(arrow);
    HCURSOR during = nullptr;
    launcher.whileShell = [&] { during = GetCursor(); };

    Click(about, "&Email Us");
    Click(about, "&Web Site");
    ASSERT_EQ(2u, launcher.launches.size());
    EXPECT_EQ("mailto:support@example.com?subject=Priority:Question from Vantro", launcher.launches[0].commandLine);
    EXPECT_EQ("https://www.example.com/vantro/", launcher.launches[1].commandLine);
    EXPECT_EQ(about.hwnd(), launcher.launches[0].owner);
    EXPECT_EQ(folder.Path(), launcher.launches[0].directory);
    EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), during);
    EXPECT_EQ(arrow, GetCursor());
    EXPECT_TRUE(prompts.asked.empty()) << "a link that does not open says nothing";
}

TEST_F(AboutTest, HelpOpensTheHtmlPageWithoutAnHlpFileAndSaysWhyWhenItCannot) {
    frmAbout owner(context);
    ASSERT_TRUE(owner.Create());
    ShowHelpContents(context, owner.hwnd());
    ASSERT_EQ(1u, launcher.launches.size());
    EXPECT_TRUE(launcher.launches[0].shell);
    EXPECT_EQ(folder.Path() + "\\Vantro.htm", launcher.launches[0].commandLine);
    EXPECT_TRUE(prompts.asked.empty());

    launcher.shellResult = SE_ERR_FNF;
    ShowHelpContents(context, owner.hwnd());
    auto boxes = prompts.MessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(SystemMessageText(ERROR_FILE_NOT_FOUND), boxes[0].text);
    EXPECT_EQ("About Vantro", boxes[0].title);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes[0].style);
}

}  // namespace
