#pragma once
#include <windows.h>

#include "platform/ErrorText.h"

struct AppContext;

// "Error: " with the number, a carriage return and the description; OK only, titled
// with the application's title.
void ShowErrorBox(AppContext& context, HWND owner, const ErrorInfo& error);
