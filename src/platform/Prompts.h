#pragma once
// Everything that waits for the user's answer: message boxes, the input box and the
// file-open dialog. Tests script the answers and read back what was asked.
#include <windows.h>

#include <optional>
#include <string>

struct OpenFileRequest {
    std::string title;
    std::string filter;      // "Programs (*.exe)|*.exe|All files (*.*)|*.*"
    int filterIndex = 1;
    std::string initialDir;
    std::string fileName;    // initial file name
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // style: MB_* buttons and icon flags. Returns IDOK, IDCANCEL, IDRETRY, IDYES, ...
    virtual int MessageBox(HWND owner, const std::string& text, const std::string& title,
                           UINT style) = 0;
    // The typed answer; nothing when the user cancels.
    virtual std::optional<std::string> AskInput(HWND owner, const std::string& prompt, const std::string& title,
                                                const std::string& defaultAnswer) = 0;
    // The same, with a cancelled box answering an empty text.
    std::string InputBox(HWND owner, const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer) {
        return AskInput(owner, prompt, title, defaultAnswer).value_or("");
    }
    // As InputBox, with what is typed hidden behind dots; empty default.
    virtual std::string PasswordBox(HWND owner, const std::string& prompt, const std::string& title) = 0;
    // The chosen file's full name; nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(HWND owner, const OpenFileRequest& request) = 0;
};

class WindowsPrompts final : public Prompts {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& title,
                   UINT style) override;
    std::optional<std::string> AskInput(HWND owner, const std::string& prompt, const std::string& title,
                                        const std::string& defaultAnswer) override;
    std::string PasswordBox(HWND owner, const std::string& prompt, const std::string& title) override;
    std::optional<std::string> OpenFile(HWND owner, const OpenFileRequest& request) override;

private:
    static std::optional<std::string> AskText(HWND owner, const std::string& prompt, const std::string& title,
                                              const std::string& defaultAnswer, DWORD answerStyle);
};
