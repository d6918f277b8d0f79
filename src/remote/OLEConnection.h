#pragma once
#include <windows.h>

struct AppContext;

// Attaches to the remote server component when the settings ask for it.
void OLEConnection(AppContext& context, HWND owner);
// At shutdown: detaches from the remote server and releases the component objects.
void ReleaseRemote(AppContext& context);
