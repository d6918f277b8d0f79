#include "ui/MessageLoop.h"

#include "ui/Form.h"

namespace ui {

void DispatchWithDialogKeys(MSG& msg) {
    if (msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        auto* form = dynamic_cast<Form*>(Window::FromHandle(root));
        if (form && msg.message == WM_KEYDOWN && msg.wParam == VK_TAB &&
            !(SendMessageA(msg.hwnd, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&msg)) &
              (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) &&
            form->TabByIndex(GetKeyState(VK_SHIFT) < 0))
            return;
        if (form && form->WantsDialogKeys() && IsDialogMessageA(root, &msg)) {
            bool arrow = msg.message == WM_KEYDOWN && msg.wParam >= VK_LEFT && msg.wParam <= VK_DOWN;
            if (arrow && Window::FromHandle(root) == form) form->ChooseFocusedOption();
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
