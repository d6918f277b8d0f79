#include <windows.h>

#include <functional>

#include "integration/CloseMessage.h"
#include "integration/RunEntry.h"
#include "support/VantroTest.h"
#include "support/WhenShown.h"

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

    // Shows the notice; while it is open `act` runs, then OK is pressed. True when
    // the notice was seen.
    bool ShowNotice(const std::function<void(HWND)>& act = {}) {
        WhenShown probe("VantroCloseMessage", [&](HWND notice) {
            if (act) act(notice);
            Click(notice, "OK");
        });
        programEnd.ends.clear();
        ShowCloseMessage(context, owner, controls.mnuRunOnStart);
        EXPECT_TRUE(programEnd.Ended()) << "every way through the notice ends the program";
        return probe.Times() > 0;
    }
    static bool Ticked(HWND notice, const char* caption) {
        return SendMessageA(FindWindowExA(notice, nullptr, "Button", caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static RegValue Setting(const char* key, const char* name) { return ReadKeyValue(HKEY_LOCAL_MACHINE, key, name); }

    MainControls controls;
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
};

TEST_F(CloseMessageTest, OnlyOkClosesItAndShowAgainIsWrittenAtOnceThenFOrFEndsWithoutIt) {
    std::string seen;
    ASSERT_TRUE(ShowNotice([&](HWND notice) {  // no value yet
        seen += Ticked(notice, kShowAgain) ? "ticked" : "unticked";
        // The close box and Escape do nothing.
        SendMessageA(notice, WM_SYSCOMMAND, SC_CLOSE, 0);
        SendMessageA(notice, WM_COMMAND, IDCANCEL, 0);
        seen += IsWindowVisible(notice) && !programEnd.Ended() ? "; open" : "; closed";
        for (int click = 0; click < 2; ++click) {  // written at once
            Click(notice, kShowAgain);
            seen += "; " + Setting(store::kProgramKey, store::kShowCloseWindows).AsText();
        }
    }));
    EXPECT_EQ("ticked; open; F; T", seen);

    for (auto [value, shown] : {std::pair{"T", true}, {"f", false}, {"F", false}}) {
        SCOPED_TRACE(value);
        WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text(value), REG_SZ);
        EXPECT_EQ(shown, ShowNotice());
    }
}

TEST_F(CloseMessageTest, AUserWhoMayNotChangeTheMachineStoreKeepsBothSwitchesForThemselves) {
    ReadOnlyKeys readOnly({store::kProgramKey, store::kRunKey});
    ASSERT_TRUE(ShowNotice([&](HWND notice) {
        Click(notice, kShowAgain);
        Click(notice, kStartWithWindows);
    }));
    EXPECT_EQ("F", ReadKeyValue(HKEY_CURRENT_USER, store::kProgramKey, store::kShowCloseWindows).AsText());
    EXPECT_EQ(RunEntryData(app), ReadKeyValue(HKEY_CURRENT_USER, store::kRunKey, store::kRunEntry).AsText());
    EXPECT_FALSE(ShowNotice()) << "the user's own switch is read";
}

TEST_F(CloseMessageTest, StartWithWindowsFollowsTheMenusCheckMarkUntilTheUserClicksIt) {
    auto entry = [] { return Setting(store::kRunKey, store::kRunEntry); };
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kRunKey, store::kRunEntry, RegValue::Text(RunEntryData(app)), REG_SZ);
    ASSERT_TRUE(ShowNotice([](HWND notice) { EXPECT_FALSE(Ticked(notice, kStartWithWindows)); }));
    EXPECT_TRUE(entry().AsText().empty()) << "the menu was unticked";

    controls.mnuRunOnStart.SetChecked(true);
    ASSERT_TRUE(ShowNotice([](HWND notice) { EXPECT_TRUE(Ticked(notice, kStartWithWindows)); }));
    EXPECT_TRUE(entry().AsText().empty()) << "nothing changes until the user clicks";
}

}  // namespace
