#include <windows.h>

#include <functional>
#include <vector>

#include "mainwindow/frmMain.h"
#include "support/VantroTest.h"
#include "support/WhenShown.h"
#include "tray/SysTray32.h"

namespace {

class TrayTest : public VantroTest {
protected:
    TrayTest() {
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
        main.Load();
        main.Show();
    }

    // A right click on the tray icon; `whileOpen` runs once while the popup's menu is
    // open and must close it. Returns when the popup has closed.
    void RightClick(const std::function<void(HWND menu)>& whileOpen) {
        WhenShown menu("#32768", whileOpen);
        SendMessageA(main.hwnd(), WM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
    }
    // Chooses with the keyboard, as a user may.
    static void Press(HWND menu, std::initializer_list<WPARAM> keys) {
        for (WPARAM key : keys) PostMessageA(menu, WM_KEYDOWN, key, 0);
    }
    // The positions of the open menu's greyed items.
    static std::vector<int> Greyed(HWND menuWindow) {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        std::vector<int> greyed;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) greyed.push_back(i);
        return greyed;
    }

    frmMain main{context};
};

TEST_F(TrayTest, ThePopupOffersWhatTheWindowsStateAllowsIgnoresASecondRightClickAndActs) {
    for (bool inTray : {false, true}) {
        SCOPED_TRACE(inTray ? "in the tray" : "shown");
        if (inTray) main.Minimize();
        std::vector<int> greyed;
        bool openAfterSecondClick = false;
        RightClick([&](HWND menu) {
            greyed = Greyed(menu);
            SendMessageA(main.hwnd(), WM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
            openAfterSecondClick = IsWindowVisible(menu) && main.Popup().IsVisible();
            EndMenu();  // dismissed without a choice
        });
        // In the tray only Minimize is greyed; shown, Restore, About and the testers' page.
        EXPECT_EQ(inTray ? std::vector<int>{1} : (std::vector<int>{0, 3, 6}), greyed);
        EXPECT_TRUE(openAfterSecondClick);
        // Dismissed: the popup is gone and nothing else happened.
        EXPECT_FALSE(main.Popup().IsVisible());
        EXPECT_EQ(!inTray, main.IsVisible());
        EXPECT_TRUE(launcher.launches.empty() && !programEnd.Ended());
    }
    RightClick([](HWND menu) { Press(menu, {VK_DOWN, VK_RETURN}); });  // Restore
    EXPECT_TRUE(main.IsVisible() && !main.Minimized());

    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    RightClick([](HWND menu) { Press(menu, {VK_UP, VK_RETURN}); });  // the last item, Close
    EXPECT_TRUE(programEnd.Ended());
}

}  // namespace
