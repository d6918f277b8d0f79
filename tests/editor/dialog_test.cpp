#include <windows.h>
#include <commctrl.h>

#include "EditorTest.h"
#include "support/Waits.h"
#include "ui/MessageLoop.h"

namespace {

using DialogTest = EditorTest;

void Press(WPARAM key) {
    MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    ui::DispatchWithDialogKeys(msg);
}

bool Shown(const ui::Control& control) { return IsWindowVisible(control.hwnd()) != FALSE; }
bool IsDefault(const ui::Button& button) {
    return (GetWindowLongPtrA(button.hwnd(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

TEST_F(DialogTest, OpensAsAWeeklyProgramWithTheClockAndOffersOnlyTheUtilitiesFound) {
    CreateKey(HKEY_LOCAL_MACHINE, store::kAppPathsSpeedDisk);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kAppPathsSpeedDisk, "", RegValue::Text("C:\\nu\\sd32.exe"), REG_SZ);
    files = {"c:\\windows\\ScanDskw.exe", "c:\\windows\\Defrag.exe"};
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        EXPECT_EQ(form.optSP.hwnd(), GetFocus());
        EXPECT_TRUE(form.optSP.Value() && form.chkRunOnlyOnce[1].Value() && IsDefault(form.btnOK));
        EXPECT_TRUE(Shown(form.txtLocation) && !Shown(form.txtMessage) && !form.SchedulingPanelOpen());
        PumpUntil([&] { return form.txtDateAndTime.Text().ends_with("1998  19:05:00"); }, 1000);
        EXPECT_TRUE(form.txtDateAndTime.Text().ends_with("1998  19:05:00")) << form.txtDateAndTime.Text();

        std::vector<std::string> picked;
        for (int i = 0; i < form.txtProgramName.ListCount(); ++i) {
            SendMessageA(form.txtProgramName.hwnd(), CB_SETCURSEL, i, 0);
            SendMessageA(GetParent(form.txtProgramName.hwnd()), WM_COMMAND,
                         MAKEWPARAM(form.txtProgramName.Id(), CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(form.txtProgramName.hwnd()));
            picked.push_back(form.txtLocation.Text());
        }
        EXPECT_EQ((std::vector<std::string>{"C:\\nu\\sd32.exe", "C:\\Windows\\ScanDskw.exe", "C:\\Windows\\Defrag.exe"}),
                  picked);

        Click(form.optSM);
        EXPECT_TRUE(Shown(form.txtMessage) && !Shown(form.txtLocation));
    });
}

TEST_F(DialogTest, TheSchedulingPanelTakesEnterAndGreysTheDaysForARunOnceTask) {
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        commands.mnuNew_Click();  // from the tray, say: no second editor
        EXPECT_EQ(&form, commands.Editor());
        Click(form.btnOnce);
        EXPECT_TRUE(form.SchedulingPanelOpen() && !Shown(form.btnOK) && IsDefault(form.btnOK2));
        EXPECT_FALSE(IsWindowEnabled(form.chkWeekDay[3].hwnd()));
        form.txtTime.SetFocus();
        Press(VK_RETURN);
        EXPECT_FALSE(form.SchedulingPanelOpen()) << "Enter closes the panel";
        EXPECT_TRUE(Shown(form.btnOK) && IsDefault(form.btnOK));
        Click(form.btnScheduled);
        EXPECT_TRUE(IsWindowEnabled(form.chkWeekDay[3].hwnd()));
        Click(form.btnOK2);
    });
    EXPECT_TRUE(prompts.asked.empty()) << "Enter on the panel does not save";
}

TEST_F(DialogTest, TabbingIntoAnEmptyLocationBrowsesAndBrowseKeepsTheLastFileChosen) {
    prompts.fileAnswers = {"C:\\bin\\tool.exe", std::nullopt, std::nullopt};
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        form.optSP.SetFocus();
        Press(VK_TAB);  // into the empty location: the file dialog at once, then the focus moves on
        EXPECT_EQ("C:\\bin\\tool.exe", form.txtLocation.Text());
        EXPECT_EQ(form.btnOnce.hwnd(), GetFocus());
        Type(form.txtLocation, "typed");
        Click(form.btnBrowse);  // cancelled: the last file chosen comes back
        EXPECT_EQ("C:\\bin\\tool.exe", form.txtLocation.Text());
        form.txtLocation.SetFocus();  // holds text: no dialog
    });
    EXPECT_EQ(2u, prompts.asked.size()) << "a file dialog on the tab and on Browse, none on a filled location";
}

}  // namespace
