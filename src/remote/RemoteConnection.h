#pragma once
#include <windows.h>

#include "platform/Components.h"

struct AppContext;
class frmOLEConnection;

// What the main window holds for the remote attachment, for the program's lifetime.
struct RemoteObjects {
    ComponentRef dialUpEngine;
    ComponentRef localClient;
    ComponentRef remoteClient;
};

// The dial-up engine; made again when the start-up could not make it.
ComponentCreation UseDialUpEngine(AppContext& context, RemoteObjects& objects);

// Attaches to the remote server when the settings ask for it, dialling first if need
// be. Reads the settings from the loaded dialog and unloads it when it is through;
// false when it stopped before (an error, or no user name or password given).
bool ConnectRemote(AppContext& context, RemoteObjects& objects, HWND mainWindow, frmOLEConnection& settings);
// The same with the settings dialog loaded for the purpose, never shown.
void ConnectRemote(AppContext& context, RemoteObjects& objects, HWND mainWindow);
// Options > Remote Connection: the settings dialog, modal.
void ShowRemoteSettings(AppContext& context, RemoteObjects& objects, HWND mainWindow);
// At exit: withdraws the attachment, then lets the objects go. Errors are ignored.
void ReleaseRemote(RemoteObjects& objects);
