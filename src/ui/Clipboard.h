#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Puts the text on the clipboard in place of what was there. False when the
// clipboard is held by another program or memory runs out.
bool CopyTextToClipboard(HWND owner, const std::string& text);

}  // namespace ui
