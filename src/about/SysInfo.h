#pragma once
// The operating system's system information tool, started from the about box.
#include <windows.h>

#include <string>

struct AppContext;

// Reads one text value straight from the registry. False when the key cannot be
// opened or the value read; value is then empty. A value of another kind than text
// reads as true with an empty value.
bool GetKeyValue(HKEY root, const std::string& keyName, const std::string& valueName, std::string& value);

// Starts the tool from where it is registered, or says it is unavailable.
void StartSysInfo(AppContext& context, HWND owner);
