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

// Plays the user from another thread: waits for the top-level window with this title,
// then acts on it while the test's thread sits in the modal loop.
class User {
public:
    User(std::string title, std::function<void(HWND)> act)
        : thread_([this, title = std::move(title), act = std::move(act)] {
              HWND window = nullptr;
              for (int i = 0; i < 400 && !window; ++i) {
                  Sleep(25);
                  window = FindWindowA(nullptr, title.c_str());
              }
              found_ = window != nullptr;
              if (window) act(window);
          }) {}
    ~User() { Wait(); }
    bool Found() {
        Wait();
        return found_;
    }

private:
    void Wait() {
        if (thread_.joinable()) thread_.join();
    }

    bool found_ = false;
    std::thread thread_;
};

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

HWND Child(HWND dialog, const char* className) { return FindWindowExA(dialog, nullptr, className, nullptr); }

bool HasStaticText(HWND dialog, const std::string& text) {
    for (HWND label = Child(dialog, "Static"); label; label = FindWindowExA(dialog, label, "Static", nullptr))
        if (WindowText(label) == text) return true;
    return false;
}

TEST(WindowsPrompts, MessageBoxAnswersTheButtonPressed) {
    WindowsPrompts prompts;
    bool textShown = false;
    User user("Vantro test box", [&](HWND box) {
        textShown = HasStaticText(box, "Delete the task?");
        Click(box, IDNO);
    });
    int answer = prompts.MessageBox(nullptr, "Delete the task?", "Vantro test box", MB_YESNO | MB_ICONQUESTION);
    ASSERT_TRUE(user.Found());
    EXPECT_EQ(IDNO, answer);
    EXPECT_TRUE(textShown);
}

TEST(WindowsPrompts, InputBoxReturnsWhatWasTyped) {
    WindowsPrompts prompts;
    std::string shownDefault, shownPrompt;
    DWORD selStart = 1, selEnd = 0;
    User user("Vantro input", [&](HWND box) {
        HWND edit = Child(box, "Edit");
        shownDefault = WindowText(edit);
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
        shownPrompt = HasStaticText(box, "What would you like to call this message?") ? "shown" : "";
        SetWindowTextA(edit, "Call home");
        Click(box, IDOK);
    });
    std::string answer = prompts.InputBox(nullptr, "What would you like to call this message?", "Vantro input",
                                          "Old name");
    ASSERT_TRUE(user.Found());
    EXPECT_EQ("Call home", answer);
    EXPECT_EQ("Old name", shownDefault);
    EXPECT_EQ("shown", shownPrompt);
    EXPECT_EQ(0u, selStart);  // the default is selected, so typing replaces it
    EXPECT_EQ(8u, selEnd);
}

TEST(WindowsPrompts, CancelledInputBoxAnswersEmpty) {
    WindowsPrompts prompts;
    User user("Vantro cancel", [](HWND box) {
        SetWindowTextA(Child(box, "Edit"), "typed but cancelled");
        Click(box, IDCANCEL);
    });
    EXPECT_EQ("", prompts.InputBox(nullptr, "What is your user name?", "Vantro cancel", "someone"));
    ASSERT_TRUE(user.Found());
}

TEST(WindowsPrompts, OpenFileCancelledAndChosen) {
    TempFolder folder;
    const std::string chosen = folder.Path() + "\\tool.exe";
    WriteWholeFile(chosen, "MZ");
    WindowsPrompts prompts;
    OpenFileRequest request{"Vantro pick", "Programs (*.exe)|*.exe|All files (*.*)|*.*", 1, folder.Path(), ""};
    {
        User user("Vantro pick", [](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); });
        EXPECT_EQ(std::nullopt, prompts.OpenFile(nullptr, request));
        ASSERT_TRUE(user.Found());
    }
    {
        request.fileName = "tool.exe";
        User user("Vantro pick", [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
        std::optional<std::string> answer = prompts.OpenFile(nullptr, request);
        ASSERT_TRUE(user.Found());
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(0, lstrcmpiA(chosen.c_str(), answer->c_str())) << *answer;
    }
}

}  // namespace
