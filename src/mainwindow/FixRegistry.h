#pragma once
#include <windows.h>

// The display shown at start-up after an unclean end: one sweep of its progress bar
// for every task in the store (one when there is none), then it closes itself. It
// reads the task list and changes nothing.
void ShowFixRegistry(HWND owner);
