#include <windows.h>
#include <commctrl.h>

#include "EditorTest.h"
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

TEST_F(DialogTest, OpensAsAWeeklyProgramListsTheUtilitiesFoundAndFillsInThePicked) {
    for (const char* key : {store::kAppPathsSpeedDisk, store::kAppPathsDiskDoctor}) CreateKey(HKEY_LOCAL_MACHINE, key);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kAppPathsSpeedDisk, "", RegValue::Text("C:\\nu\\sd32.exe"), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kAppPathsDiskDoctor, "", RegValue::Text("C:\\nu\\ndd32.exe"), REG_SZ);
    files = {"c:\\windows\\ScanDskw.exe", "c:\\windows\\Defrag.exe"};
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        EXPECT_EQ(form.optSP.hwnd(), GetFocus());
        EXPECT_TRUE(form.optSP.Value() && form.chkRunOnlyOnce[1].Value());
        EXPECT_TRUE(Shown(form.txtLocation) && !Shown(form.txtMessage) && !form.SchedulingPanelOpen());
        EXPECT_TRUE(IsDefault(form.btnOK));
        EXPECT_EQ(255, SendMessageA(form.txtMessage.hwnd(), EM_GETLIMITTEXT, 0, 0));
        EXPECT_EQ((Date{1998, 12, 4}), form.txtDate.Value().date());
        // The clock line, once its timer has ticked.
        for (int i = 0; i < 100 && form.txtDateAndTime.Text().starts_with("Today"); ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            Sleep(10);
        }
        EXPECT_TRUE(form.txtDateAndTime.Text().ends_with("1998  19:05:00")) << form.txtDateAndTime.Text();

        std::vector<std::string> entries;
        for (int i = 0; i < form.txtProgramName.ListCount(); ++i) entries.push_back(form.txtProgramName.List(i));
        EXPECT_EQ((std::vector<std::string>{"Norton Speed Disk", "Norton Disk Doctor", "ScanDisk for Windows",
                                            "Disk Defragmenter"}),
                  entries);
        SendMessageA(form.txtProgramName.hwnd(), CB_SETCURSEL, 3, 0);
        SendMessageA(GetParent(form.txtProgramName.hwnd()), WM_COMMAND,
                     MAKEWPARAM(form.txtProgramName.Id(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(form.txtProgramName.hwnd()));
        EXPECT_EQ("C:\\Windows\\Defrag.exe", form.txtLocation.Text());
        EXPECT_EQ("Disk Defragmenter", form.txtProgramName.Text());

        Click(form.optSM);
        EXPECT_TRUE(Shown(form.txtMessage) && !Shown(form.txtLocation));
    });
    EXPECT_EQ("C:\\nu\\sd32.exe", utilities.strNSD);
    EXPECT_EQ("C:\\nu\\ndd32.exe", utilities.strNDD);
    EXPECT_EQ("C:\\Windows\\ScanDskw.exe", utilities.strMSD);
    EXPECT_EQ("C:\\Windows\\Defrag.exe", utilities.strMDD);
    EXPECT_TRUE(ListSubKeys(HKEY_LOCAL_MACHINE, store::kTasksKey).empty()) << "Cancel writes nothing";

    files.clear();
    for (const char* key : {store::kAppPathsSpeedDisk, store::kAppPathsDiskDoctor}) DeleteKeyTree(HKEY_LOCAL_MACHINE, key);
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) { EXPECT_EQ(0, form.txtProgramName.ListCount()); });
    EXPECT_EQ("C:\\Windows\\Defrag.exe", utilities.strMDD) << "a utility not found keeps its path";
}

TEST_F(DialogTest, TheSchedulingPanelTakesEnterAndGreysTheDaysForARunOnceTask) {
    WithEditor(&TaskCommands::mnuNew_Click, [&](frmNew& form) {
        commands.mnuNew_Click();  // from the tray, say: no second editor
        EXPECT_EQ(&form, commands.Editor());
        Click(form.btnOnce);
        EXPECT_TRUE(form.SchedulingPanelOpen());
        EXPECT_FALSE(Shown(form.btnOK));
        EXPECT_EQ("What day and time do you want this to occure?", form.lblOnceOrWeekly.Text());
        EXPECT_TRUE(form.chkRunOnlyOnce[0].Value());
        EXPECT_FALSE(IsWindowEnabled(form.chkWeekDay[3].hwnd()));
        EXPECT_TRUE(IsDefault(form.btnOK2));
        form.txtTime.SetFocus();
        Press(VK_RETURN);
        EXPECT_FALSE(form.SchedulingPanelOpen()) << "Enter closes the panel";
        EXPECT_TRUE(Shown(form.btnOK) && IsDefault(form.btnOK));
        Click(form.btnScheduled);
        EXPECT_EQ("Select the days of the week you want this to happen.", form.lblOnceOrWeekly.Text());
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
