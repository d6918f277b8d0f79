#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "integration/CloseMessage.h"
#include "support/VantroTest.h"
#include "tray/SysTray32.h"
#include "ui/Timer.h"

namespace {

constexpr const char* kShowAgain = "Show this message again later";
constexpr const char* kStartWithWindows = "Start Vantro when Windows Starts";

class CloseMessageTest : public VantroTest {
protected:
    CloseMessageTest() {
        CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);  // as start-up leaves the store
        CreateKey(HKEY_LOCAL_MACHINE, store::kRunKey);
    }
    ~CloseMessageTest() override { DestroyWindow(owner); }

    // Shows the notice; while it is open `act` runs once, then OK is pressed. True
    // when the notice was seen.
    bool ShowNotice(const std::function<void(HWND)>& act = {}) {
        bool seen = false;
        ui::Timer probe(20, true);
        probe.OnTimer = [&] {
            HWND notice = FindWindowA("VantroCloseMessage", nullptr);
            if (!notice || !IsWindowVisible(notice)) return;
            probe.SetEnabled(false);
            seen = true;
            if (act) act(notice);
            Click(notice, "OK");
        };
        programEnd.ends.clear();
        ShowCloseMessage(context, owner, controls.mnuRunOnStart);
        EXPECT_TRUE(programEnd.Ended()) << "every way through the notice ends the program";
        return seen;
    }
    static HWND Box(HWND notice, const char* caption) { return FindWindowExA(notice, nullptr, "Button", caption); }
    static void Click(HWND notice, const char* caption) { SendMessageA(Box(notice, caption), BM_CLICK, 0, 0); }
    static bool Ticked(HWND notice, const char* caption) {
        return SendMessageA(Box(notice, caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static void SetShowCloseWindows(const char* value) {
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text(value), REG_SZ);
    }
    static RegValue ShowCloseWindows() {
        return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows);
    }
    static RegValue RunEntry() { return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry); }

    MainControls controls;
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
};

TEST_F(CloseMessageTest, ShownUnlessSwitchedOffWithFInEitherCase) {
    EXPECT_TRUE(ShowNotice()) << "no value";
    for (const char* value : {"", "T", "No", "f", "F"}) {
        SCOPED_TRACE(value);
        SetShowCloseWindows(value);
        bool off = value == std::string("f") || value == std::string("F");
        EXPECT_EQ(!off, ShowNotice());
    }
}

TEST_F(CloseMessageTest, OnlyOkClosesItAndShowAgainIsWrittenAtOnce) {
    AddTrayIcon(owner, LoadIconA(nullptr, IDI_APPLICATION), "Vantro");
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = owner;
    icon.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &icon)) << "the icon is in the tray before";

    bool iconGone = false, ticked = false, openAfterClosing = false;
    std::string caption;
    RegValue unticked, tickedAgain;
    bool seen = ShowNotice([&](HWND notice) {
        iconGone = !Shell_NotifyIconA(NIM_MODIFY, &icon);
        char text[64] = "";
        GetWindowTextA(notice, text, sizeof text);
        caption = text;
        ticked = Ticked(notice, kShowAgain);
        // The close box, a close from code and Escape do nothing.
        SendMessageA(notice, WM_SYSCOMMAND, SC_CLOSE, 0);
        SendMessageA(notice, WM_CLOSE, 0, 0);
        SendMessageA(notice, WM_COMMAND, IDCANCEL, 0);
        openAfterClosing = IsWindowVisible(notice) && !programEnd.Ended();
        Click(notice, kShowAgain);
        unticked = ShowCloseWindows();
        Click(notice, kShowAgain);
        tickedAgain = ShowCloseWindows();
        Click(notice, kShowAgain);
    });
    ASSERT_TRUE(seen);
    EXPECT_TRUE(iconGone);
    EXPECT_EQ("Vantro 1.5", caption);
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(openAfterClosing);
    EXPECT_EQ(RegValue::Text("F"), unticked);
    EXPECT_EQ(RegValue::Text("T"), tickedAgain);
    EXPECT_EQ(RegValue::Text("F"), ShowCloseWindows());
    EXPECT_FALSE(ShowNotice()) << "not shown again";
}

TEST_F(CloseMessageTest, StartWithWindowsFollowsTheMenusCheckMark) {
    const std::string on = folder.Path() + "\\Vantro.exe";
    bool ticked = true;
    auto look = [&](HWND notice) { ticked = Ticked(notice, kStartWithWindows); };

    // Menu unticked: the box opens unticked and the entry goes...
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry, RegValue::Text(on), REG_SZ);
    ASSERT_TRUE(ShowNotice(look));
    EXPECT_FALSE(ticked);
    EXPECT_EQ(RegValue::Kind::Empty, RunEntry().kind());
    // ...and when there is none to remove, an empty one says "off".
    ASSERT_TRUE(ShowNotice());
    EXPECT_EQ(RegValue::Kind::Text, RunEntry().kind());
    EXPECT_EQ("", RunEntry().AsText());

    // Menu ticked: the box opens ticked, the entry is left alone until the user clicks.
    controls.mnuRunOnStart.SetChecked(true);
    RegValue afterOff;
    ASSERT_TRUE(ShowNotice([&](HWND notice) {
        look(notice);
        Click(notice, kStartWithWindows);
        afterOff = RunEntry();
        Click(notice, kStartWithWindows);
    }));
    EXPECT_TRUE(ticked);
    EXPECT_EQ(RegValue::Kind::Empty, afterOff.kind());
    EXPECT_EQ(RegValue::Text(on), RunEntry());
}

}  // namespace
