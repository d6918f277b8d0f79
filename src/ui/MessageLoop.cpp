#include "ui/MessageLoop.h"

#include "ui/DialogKeys.h"
#include "ui/Window.h"

namespace ui {

void DispatchWithDialogKeys(MSG& msg) {
    if (msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        auto* target = dynamic_cast<DialogKeys*>(Window::FromHandle(root));
        if (target && msg.message == WM_KEYDOWN && msg.wParam == VK_TAB &&
            !(SendMessageA(msg.hwnd, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg)) &
              (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) &&
            target->TabByIndex(GetKeyState(VK_SHIFT) < 0))
            return;
        if (target && target->WantsDialogKeys() && IsDialogMessageA(root, &msg)) {
            bool arrow = msg.message == WM_KEYDOWN && msg.wParam >= VK_LEFT && msg.wParam <= VK_DOWN;
            // The key may have closed the form: ask only one that is still there.
            if (arrow && dynamic_cast<DialogKeys*>(Window::FromHandle(root)) == target) target->ChooseFocusedOption();
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int RunMessageLoop() {
    MSG msg{};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchWithDialogKeys(msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace ui
