#include "platform/ShellOpen.h"

#include "platform/AppContext.h"

intptr_t ShellOpen(AppContext& context, HWND owner, const std::string& file, UniqueKernelHandle* process) {
    // The shell can take a moment to find the file's handler.
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    intptr_t result = context.launcher.ShellExecute(owner, file, "", context.app.Path(), SW_SHOWNORMAL, process);
    SetCursor(previous);
    return result;
}
