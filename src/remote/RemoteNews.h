#pragma once
// What the main window makes of the remote link's posted news: the first failure in the
// error box, as the connection routine reports its errors; the attachment lost, and
// regained, as one line for the status line and the tray tip.
#include <windows.h>

#include <string>

struct AppContext;

// The line to show; empty when there is none (the error box was shown instead).
std::string RemoteNews(AppContext& context, HWND mainWindow, WPARAM status, LPARAM error);
