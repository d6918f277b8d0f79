#include "platform/Prompts.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

// Control ids of the input box.
constexpr WORD kPromptId = 100;
constexpr WORD kAnswerId = 101;

// Predefined window classes by atom, as a dialog template names them.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

// Writes an in-memory dialog template: a header, then DWORD-aligned items.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const char* font, WORD pointSize) {
        AddDword(style | DS_SETFONT);
        AddDword(0);  // extended style
        countAt_ = words_.size();
        words_.push_back(0);  // number of items, counted as they come
        AddRect(0, 0, cx, cy);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the standard dialog class
        words_.push_back(0);  // title: set at WM_INITDIALOG
        words_.push_back(pointSize);
        AddText(font);
    }

    void AddItem(WORD classAtom, WORD id, DWORD style, short x, short y, short cx, short cy, const char* text = "") {
        if (words_.size() % 2) words_.push_back(0);
        AddDword(style | WS_CHILD | WS_VISIBLE);
        AddDword(0);
        AddRect(x, y, cx, cy);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        AddText(text);
        words_.push_back(0);  // no creation data
        ++words_[countAt_];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AddDword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void AddRect(short x, short y, short cx, short cy) {
        for (short v : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(v));
    }
    void AddText(const char* ascii) {
        while (*ascii) words_.push_back(static_cast<WORD>(*ascii++));
        words_.push_back(0);
    }

    std::vector<WORD> words_;  // WORD elements keep the start DWORD-aligned
    size_t countAt_ = 0;
};

struct InputBoxState {
    const std::string& prompt;
    const std::string& title;
    const std::string& defaultAnswer;
    std::string answer;
};

std::string DialogItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(item, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowTextA(dialog, state->title.c_str());
        SetDlgItemTextA(dialog, kPromptId, state->prompt.c_str());
        SetDlgItemTextA(dialog, kAnswerId, state->defaultAnswer.c_str());
        HWND edit = GetDlgItem(dialog, kAnswerId);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return FALSE;  // focus already set
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (LOWORD(wParam) == IDOK) state->answer = DialogItemText(dialog, kAnswerId);
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// "Programs|*.exe|All|*.*" in the dialog's form: NUL separators, two NULs at the end.
std::string FilterForDialog(const std::string& filter) {
    std::string result = filter;
    for (char& c : result) {
        if (c == '|') c = '\0';
    }
    result.append(2, '\0');
    return result;
}

}  // namespace

int WindowsPrompts::MessageBox(HWND owner, const std::string& text, const std::string& title, UINT style) {
    return ::MessageBoxA(owner, text.c_str(), title.c_str(), style);
}

std::optional<std::string> WindowsPrompts::AskInput(HWND owner, const std::string& prompt, const std::string& title,
                                                    const std::string& defaultAnswer) {
    return AskText(owner, prompt, title, defaultAnswer, 0);
}

std::string WindowsPrompts::PasswordBox(HWND owner, const std::string& prompt, const std::string& title) {
    return AskText(owner, prompt, title, {}, ES_PASSWORD).value_or("");
}

std::optional<std::string> WindowsPrompts::AskText(HWND owner, const std::string& prompt, const std::string& title,
                                                   const std::string& defaultAnswer, DWORD answerStyle) {
    // Sizes in dialog units: the prompt on the left, the buttons on the right, the answer below.
    DialogTemplate box(DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 84,
                       "MS Shell Dlg", 8);
    box.AddItem(kStaticClass, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 170, 52);
    box.AddItem(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 183, 7, 50, 14, "OK");
    box.AddItem(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 183, 25, 50, 14, "Cancel");
    box.AddItem(kEditClass, kAnswerId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | answerStyle, 7, 64, 226, 13);

    InputBoxState state{prompt, title, defaultAnswer, {}};
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), box.get(), owner, InputBoxProc,
                                             reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;
    return state.answer;
}

std::optional<std::string> WindowsPrompts::OpenFile(HWND owner, const OpenFileRequest& request) {
    std::string filter = FilterForDialog(request.filter);
    std::string fileName = request.fileName;
    fileName.resize(std::max<size_t>(fileName.size() + 1, 4096), '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = fileName.data();
    ofn.nMaxFile = static_cast<DWORD>(fileName.size());
    ofn.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return std::nullopt;
    fileName.resize(fileName.find('\0'));
    return fileName;
}
