// File > New Task in the real Vantro.exe, filled in from outside as a user would.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "VantroProcess.h"
#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

namespace {

const std::string kTitle = "Vantro 1.6";

// The editor's controls (frames hold most of them) of a class, and of a text if given.
std::vector<HWND> ControlsOf(HWND dialog, const char* className, const char* text = nullptr) {
    struct Search {
        const char *className, *text;
        std::vector<HWND> found;
    } search{className, text, {}};
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            char cls[64] = "", caption[256] = "";
            GetClassNameA(child, cls, sizeof cls);
            GetWindowTextA(child, caption, sizeof caption);
            if (!lstrcmpiA(cls, s->className) && (!s->text || !lstrcmpA(caption, s->text))) s->found.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The notice a clicked button sends its parent; of several, the one the user can see.
void Click(HWND button) {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}
void ClickVisible(HWND dialog, const char* caption) {
    for (HWND button : ControlsOf(dialog, "Button", caption))
        if (IsWindowVisible(button)) return Click(button);
    ADD_FAILURE() << "no visible " << caption;
}

// Its launch at the minute is the tick's business, tested in-process and by the
// black-box minute of the main program's test; here: the real dialog saves what it shows.
TEST(EditorExe, ATaskMadeThroughNewIsSavedAndListed) {
    ClearStore();
    CreateKey(HKEY_LOCAL_MACHINE, store::kTasksKey);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kDrives, RegValue::Text("C: "), REG_SZ);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kRunning, RegValue::Boolean(false), REG_DWORD);
    WriteKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kShowCloseWindows, RegValue::Text("F"), REG_SZ);
    const DateTime due{1998, 12, 4, 15, 7, 0, 0};

    VantroProcess vantro;
    vantro.Start();
    HWND main = vantro.WaitForWindow("VantroMain", kTitle, 20000);
    ASSERT_NE(nullptr, main);
    PostMessageA(main, WM_COMMAND, MainMenuCommand("mnuNew"), 0);
    HWND editor = vantro.WaitForWindow("VantroTaskEditor", kTitle, 20000);
    ASSERT_NE(nullptr, editor);

    std::vector<HWND> combos = ControlsOf(editor, "ComboBox");
    ASSERT_EQ(1u, combos.size());
    SendMessageA(combos[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(" Made "));
    HWND location = FindWindowExA(GetParent(combos[0]), nullptr, "Edit", nullptr);
    std::string command = "C:\\windows\\system32\\cmd.exe /c echo made";
    SendMessageA(location, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(command.c_str()));

    std::vector<HWND> sets = ControlsOf(editor, "Button", "Set");
    auto left = [](HWND w) { RECT r; GetWindowRect(w, &r); return r.left; };
    Click(*std::max_element(sets.begin(), sets.end(), [&](HWND a, HWND b) { return left(a) < left(b); }));  // "Scheduled"
    for (const char* day : {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
        Click(ControlsOf(editor, "Button", day).at(0));
    HWND timePicker = nullptr;
    for (HWND picker : ControlsOf(editor, DATETIMEPICK_CLASSA))
        if (GetWindowLongA(picker, GWL_STYLE) & DTS_TIMEFORMAT) timePicker = picker;
    SYSTEMTIME at{};
    GetLocalTime(&at);
    at.wHour = static_cast<WORD>(due.hour);
    at.wMinute = static_cast<WORD>(due.minute);
    at.wSecond = 0;
    ASSERT_TRUE(vantro.SetPicker(timePicker, at));
    ClickVisible(editor, "OK");  // the panel's
    ClickVisible(editor, "OK");  // the dialog's
    for (int i = 0; i < 50 && IsWindow(editor); ++i) Sleep(100);
    ASSERT_FALSE(IsWindow(editor)) << "the editor stays open";

    const std::string key = store::TaskKey("Made");
    auto stored = [&](const char* value) { return ReadKeyValue(HKEY_LOCAL_MACHINE, key, value).AsText(); };
    EXPECT_EQ(command, stored(store::kLocation));
    EXPECT_EQ("Sat,Fri,Thu,Wed,Tue,Mon,Sun", stored(store::kDaysOfTheWeek));
    EXPECT_EQ(datetext::TimeHHMMAmPm(due), stored(store::kStartTime));
    HWND list = FindWindowExA(main, nullptr, WC_LISTVIEWA, nullptr);
    EXPECT_EQ(1, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) << "the new task is listed";

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(vantro.WaitForExit(20000));
    ClearStore();
}

}  // namespace
