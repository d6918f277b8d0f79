#include <gtest/gtest.h>

#include "platform/Prompts.h"
#include "support/WhenShown.h"

namespace {

std::string WindowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(WindowsPrompts, InputBoxesOfferTheDefaultToTypeOverAndAnswerWhatWasTypedOrNothingOnCancel) {
    WindowsPrompts prompts;
    // The box as it opened: prompt, [default] selected range, buttons, masked or not.
    std::string seen;
    auto answer = [&](const char* typed, int button, const std::function<std::optional<std::string>()>& ask) {
        WhenShown user("#32770", [&](HWND box) {
            HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
            DWORD from = 1, to = 0;
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
            seen = WindowText(FindWindowExA(box, nullptr, "Static", nullptr)) + " [" + WindowText(edit) + "] " +
                   std::to_string(from) + "-" + std::to_string(to) + " " + WindowText(GetDlgItem(box, IDOK)) + "/" +
                   WindowText(GetDlgItem(box, IDCANCEL)) + (GetWindowLongPtrA(edit, GWL_STYLE) & ES_PASSWORD ? " masked" : "");
            SetWindowTextA(edit, typed);
            SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
        });
        return ask();
    };
    EXPECT_EQ("Call home", answer("Call home", IDOK, [&] { return prompts.InputBox(nullptr, "Name?", "Vantro", "Old name"); }));
    EXPECT_EQ("Name? [Old name] 0-8 OK/Cancel", seen);
    EXPECT_EQ("", answer("typed", IDCANCEL, [&] { return prompts.InputBox(nullptr, "Name?", "Vantro", "Old name"); }));
    EXPECT_EQ("s3cret", answer("s3cret", IDOK, [&] { return prompts.PasswordBox(nullptr, "Password?", "Vantro"); }));
    EXPECT_EQ("Password? [] 0-0 OK/Cancel masked", seen);
    // Asked for it, a cancelled box is told apart from an empty answer.
    EXPECT_EQ(std::nullopt, answer("typed", IDCANCEL, [&] { return prompts.AskInput(nullptr, "Name?", "Vantro", "x"); }));
    EXPECT_EQ("", answer("", IDOK, [&] { return prompts.AskInput(nullptr, "Name?", "Vantro", "x"); }));
}

}  // namespace
