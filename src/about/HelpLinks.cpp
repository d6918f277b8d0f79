#include "about/HelpLinks.h"

#include "platform/AppContext.h"
#include "platform/ErrorText.h"
#include "platform/IsFile.h"
#include "platform/ShellOpen.h"

namespace {

// Written for current Windows, which has no viewer for the old help files.
constexpr const char* kHelpPage = "Vantro.htm";

std::string CaptionOf(HWND window) {
    char caption[256] = "";
    if (window) GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

// The shell's old result numbers as the Win32 errors they stand for.
DWORD ShellError(intptr_t result) {
    switch (result) {
    case 0: return ERROR_OUTOFMEMORY;
    case SE_ERR_SHARE: return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND: return ERROR_DLL_NOT_FOUND;
    default: return static_cast<DWORD>(result);  // 2, 3, 5, 8, 11 are the Win32 codes
    }
}

// What went wrong opening the help; 0 when it opened.
DWORD OpenHelp(AppContext& context, HWND owner, const std::string& helpFile) {
    if (IsFile(helpFile)) {
        if (WinHelpA(owner, helpFile.c_str(), HELP_CONTENTS, 0)) return 0;
        DWORD error = GetLastError();
        return error ? error : ERROR_FILE_NOT_FOUND;
    }
    intptr_t result = ShellOpen(context, owner, context.app.FileInFolder(kHelpPage));
    return result > 32 ? 0 : ShellError(result);
}

}  // namespace

void ShowHelpContents(AppContext& context, HWND owner) {
    const std::string title = CaptionOf(owner);
    if (DWORD error = OpenHelp(context, owner, context.app.HelpFile()))
        context.prompts.MessageBox(owner, SystemMessageText(error), title, MB_OK);
}

intptr_t OpenMailTo(AppContext& context, HWND owner, const std::string& address) {
    return ShellOpen(context, owner, "mailto:" + address);
}
