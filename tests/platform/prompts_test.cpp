#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "platform/Prompts.h"
#include "support/ScratchRegistry.h"

namespace {

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Plays the user from another thread: waits for the window with this title and acts
// on it while the test's thread sits in the modal loop.
class User {
public:
    User(const char* title, std::function<void(HWND)> act)
        : thread_([this, title, act = std::move(act)] {
              HWND window = nullptr;
              for (int i = 0; i < 400 && !window; ++i, Sleep(25)) window = FindWindowA(nullptr, title);
              if ((found_ = window != nullptr)) act(window);
          }) {}
    ~User() { Found(); }
    bool Found() {
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    bool found_ = false;
    std::thread thread_;
};

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
HWND Child(HWND dialog, const char* className) { return FindWindowExA(dialog, nullptr, className, nullptr); }

bool ShowsLabel(HWND dialog, const std::string& text) {
    for (HWND label = Child(dialog, "Static"); label; label = FindWindowExA(dialog, label, "Static", nullptr))
        if (WindowText(label) == text) return true;
    return false;
}

TEST(WindowsPrompts, MessageBoxAnswersTheButtonPressed) {
    bool textShown = false;
    User user("Vantro test box", [&](HWND box) {
        textShown = ShowsLabel(box, "Delete the task?");
        Click(box, IDNO);
    });
    int answer = WindowsPrompts().MessageBox(nullptr, "Delete the task?", "Vantro test box", MB_YESNO);
    ASSERT_TRUE(user.Found());
    EXPECT_EQ(IDNO, answer);
    EXPECT_TRUE(textShown);
}

TEST(WindowsPrompts, InputBoxReturnsWhatWasTypedOrEmptyOnCancel) {
    bool promptShown = false;
    std::string shownDefault;
    DWORD selStart = 1, selEnd = 0;
    User typing("Vantro input", [&](HWND box) {
        HWND edit = Child(box, "Edit");
        promptShown = ShowsLabel(box, "What is your user name?");
        shownDefault = WindowText(edit);
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
        SetWindowTextA(edit, "Call home");
        Click(box, IDOK);
    });
    EXPECT_EQ("Call home", WindowsPrompts().InputBox(nullptr, "What is your user name?", "Vantro input", "Old name"));
    ASSERT_TRUE(typing.Found());
    EXPECT_TRUE(promptShown);
    EXPECT_EQ("Old name", shownDefault);
    EXPECT_EQ(0u, selStart);  // the default is selected, so typing replaces it
    EXPECT_EQ(8u, selEnd);

    User cancelling("Vantro cancel", [](HWND box) {
        SetWindowTextA(Child(box, "Edit"), "typed");
        Click(box, IDCANCEL);
    });
    EXPECT_EQ("", WindowsPrompts().InputBox(nullptr, "Password?", "Vantro cancel", "secret"));
    ASSERT_TRUE(cancelling.Found());
}

TEST(WindowsPrompts, OpenFileGivesTheChosenFullName) {
    TempFolder folder;
    WriteWholeFile(folder.Path() + "\\tool.exe", "MZ");
    OpenFileRequest request{"Vantro pick", "Programs (*.exe)|*.exe|All files (*.*)|*.*", 1, folder.Path(),
                            "tool.exe"};
    User user("Vantro pick", [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    std::optional<std::string> answer = WindowsPrompts().OpenFile(nullptr, request);
    ASSERT_TRUE(user.Found());
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(0, lstrcmpiA((folder.Path() + "\\tool.exe").c_str(), answer->c_str())) << *answer;
}

}  // namespace
