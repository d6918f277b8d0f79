#pragma once
// The window class behind a Frame: a container that draws its edge and caption and
// passes its children's notifications up to the form, so a control inside a frame
// is handled exactly like one on the form itself.
#include <windows.h>

namespace ui {

const char* FrameClassName();
void RegisterFrameClass();

}  // namespace ui
