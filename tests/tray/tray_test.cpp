#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "mainwindow/frmMain.h"
#include "support/VantroTest.h"
#include "tray/SysTray32.h"
#include "tray/TrayCallback.h"
#include "ui/Timer.h"
#include "ui/Twips.h"

namespace {

TEST(TrayCallback, OnlyADoubleClickOrARightButtonReleaseActsAndNothingWhileOneIsHandled) {
    TrayCallback tray;
    std::string done;
    tray.Restore = [&] { done += "restore "; };
    tray.OpenPopup = [&] {
        done += "popup ";
        tray.OnMouseMessage(WM_RBUTTONUP);
        tray.OnMouseMessage(WM_LBUTTONDBLCLK);
    };
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK})
        tray.OnMouseMessage(message);
    EXPECT_EQ("", done);
    tray.OnMouseMessage(WM_RBUTTONUP);
    tray.OnMouseMessage(WM_LBUTTONDBLCLK);
    EXPECT_EQ("popup restore ", done);
    EXPECT_FALSE(tray.Busy());
}

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
        ui::Timer probe(20, true);
        probe.OnTimer = [&] {
            HWND menu = FindWindowA("#32768", nullptr);
            if (!menu || !IsWindowVisible(menu)) return;
            probe.SetEnabled(false);
            whileOpen(menu);
        };
        SendMessageA(main.hwnd(), WM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
    }
    // Chooses an item of the open menu with the keyboard, as a user may.
    static void Press(HWND menu, std::initializer_list<WPARAM> keys) {
        for (WPARAM key : keys) PostMessageA(menu, WM_KEYDOWN, key, 0);
    }
    std::map<std::string, bool> Offered() {
        std::map<std::string, bool> enabled;
        frmPopup& p = main.Popup();
        for (ui::MenuItem* item : {&p.mnuRestore, &p.mnuMinimize, &p.mnuAbout, &p.mnuHelp, &p.mnuBetaTesters,
                                   &p.mnuWebSite, &p.mnuErrorReport, &p.mnuClose})
            enabled[item->Name()] = item->Enabled();
        return enabled;
    }

    frmMain main{context};
};

TEST_F(TrayTest, ThePopupOffersWhatTheWindowsStateAllowsAndASecondRightClickIsIgnored) {
    for (bool inTray : {false, true}) {
        SCOPED_TRACE(inTray ? "in the tray" : "shown");
        if (inTray) main.Minimize();
        std::map<std::string, bool> offered;
        ui::TwipsRect placed{};
        bool openAfterSecondClick = false;
        RightClick([&](HWND menu) {
            offered = Offered();
            placed = main.Popup().Bounds();
            SendMessageA(main.hwnd(), WM_TRAYICON, kTrayIconId, WM_RBUTTONUP);
            openAfterSecondClick = IsWindowVisible(menu) && main.Popup().IsVisible();
            EndMenu();  // dismissed without a choice
        });
        EXPECT_EQ((std::map<std::string, bool>{{"mnuRestore", inTray},
                                               {"mnuMinimize", !inTray},
                                               {"mnuAbout", inTray},
                                               {"mnuHelp", true},
                                               {"mnuBetaTesters", inTray},
                                               {"mnuWebSite", true},
                                               {"mnuErrorReport", true},
                                               {"mnuClose", true}}),
                  offered);
        EXPECT_TRUE(openAfterSecondClick);
        // Near the bottom right corner of the screen.
        EXPECT_NEAR(ui::Screen::Width() - 2950, placed.left, 30);
        EXPECT_NEAR(ui::Screen::Height() - 3100, placed.top, 30);
        // Dismissed: the popup is gone and nothing else happened.
        EXPECT_FALSE(main.Popup().IsVisible());
        EXPECT_EQ(!inTray, main.IsVisible());
        EXPECT_TRUE(launcher.launches.empty());
        EXPECT_FALSE(programEnd.Ended());
    }
}

TEST_F(TrayTest, RestoreAndCloseChosenFromThePopupWithTheNoticeSwitchedOff) {
    main.Minimize();
    ASSERT_FALSE(main.IsVisible());
    RightClick([](HWND menu) { Press(menu, {VK_DOWN, VK_RETURN}); });  // the first item
    EXPECT_TRUE(main.IsVisible() && !main.Minimized());

    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    bool noticeSeen = false;
    ui::Timer watch(5, true);
    watch.OnTimer = [&] {
        HWND notice = FindWindowA("VantroCloseMessage", nullptr);
        noticeSeen = noticeSeen || (notice && IsWindowVisible(notice));
    };
    RightClick([](HWND menu) { Press(menu, {VK_UP, VK_RETURN}); });  // the last item
    EXPECT_TRUE(programEnd.Ended());
    EXPECT_FALSE(noticeSeen);
    EXPECT_EQ(RegValue::Integer(0), ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning));
}

}  // namespace
