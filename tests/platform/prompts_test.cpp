#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "platform/Prompts.h"

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
    EXPECT_EQ(IDNO, WindowsPrompts().MessageBox(nullptr, "Delete the task?", "Vantro test box", MB_YESNO));
    ASSERT_TRUE(user.Found());
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
    EXPECT_EQ(std::make_pair(0ul, 8ul), std::make_pair(selStart, selEnd)) << "typing replaces the default";

    User cancelling("Vantro cancel", [](HWND box) {
        SetWindowTextA(Child(box, "Edit"), "typed");
        Click(box, IDCANCEL);
    });
    EXPECT_EQ("", WindowsPrompts().InputBox(nullptr, "Password?", "Vantro cancel", "secret"));
    ASSERT_TRUE(cancelling.Found());

    LONG_PTR style = 0;
    User masked("Vantro password", [&](HWND box) {
        HWND edit = Child(box, "Edit");
        style = GetWindowLongPtrA(edit, GWL_STYLE);
        SetWindowTextA(edit, "s3cret");
        Click(box, IDOK);
    });
    EXPECT_EQ("s3cret", WindowsPrompts().PasswordBox(nullptr, "What is your password?", "Vantro password"));
    ASSERT_TRUE(masked.Found());
    EXPECT_TRUE(style & ES_PASSWORD) << "what is typed is not shown";
}

}  // namespace
