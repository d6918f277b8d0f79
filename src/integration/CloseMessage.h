#pragma once
#include <windows.h>

struct AppContext;

// The notice shown on every orderly exit, before the program ends.
void ShowCloseMessage(AppContext& context, HWND owner);
