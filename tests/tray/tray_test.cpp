#include <windows.h>

#include <functional>
#include <string>

#include "mainwindow/frmMain.h"
#include "support/VantroTest.h"
#include "support/WhenShown.h"
#include "tray/SysTray32.h"
#include "ui/Twips.h"

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
    // The open menu as the user sees it: items in order, greyed ones marked.
    static std::string Offered(HWND menuWindow) {
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        std::string offered;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = "";
            GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            offered += std::string(state & MF_SEPARATOR ? "-" : text) + (state & MF_GRAYED ? "~" : "") + "|";
        }
        return offered;
    }

    frmMain main{context};
};

TEST_F(TrayTest, ThePopupOffersWhatTheWindowsStateAllowsIgnoresASecondRightClickAndActs) {
    for (bool inTray : {false, true}) {
        SCOPED_TRACE(inTray ? "in the tray" : "shown");
        if (inTray) main.Minimize();
        std::string offered;
        ui::TwipsRect placed{};
        bool openAfterSecondClick = false;
        RightClick([&](HWND menu) {
            offered = Offered(menu);
            placed = main.Popup().Bounds();
            SendMessageA(main.hwnd(), WM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
            openAfterSecondClick = IsWindowVisible(menu) && main.Popup().IsVisible();
            EndMenu();  // dismissed without a choice
        });
        // "~": greyed.
        EXPECT_EQ(inTray ? "Restore|Minimize~|-|About Vantro|Help|-|Our BetaTesters|-|Vantro Web|Vantro Error Report|-|Close Vantro|"
                         : "Restore~|Minimize|-|About Vantro~|Help|-|Our BetaTesters~|-|Vantro Web|Vantro Error Report|-|Close Vantro|",
                  offered);
        EXPECT_TRUE(openAfterSecondClick);
        EXPECT_NEAR(ui::Screen::Width() - 2950, placed.left, 30);
        EXPECT_NEAR(ui::Screen::Height() - 3100, placed.top, 30);
        // Dismissed: the popup is gone and nothing else happened.
        EXPECT_FALSE(main.Popup().IsVisible());
        EXPECT_EQ(!inTray, main.IsVisible());
        EXPECT_TRUE(launcher.launches.empty() && !programEnd.Ended());
    }
    RightClick([](HWND menu) { Press(menu, {VK_DOWN, VK_RETURN}); });  // Restore
    EXPECT_TRUE(main.IsVisible() && !main.Minimized());

    // Close with the notice switched off: the end comes without it.
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    WhenShown notice("VantroCloseMessage", {});
    RightClick([](HWND menu) { Press(menu, {VK_UP, VK_RETURN}); });  // the last item
    EXPECT_TRUE(programEnd.Ended());
    EXPECT_EQ(0, notice.Times());
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
}

}  // namespace
