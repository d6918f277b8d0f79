#pragma once
// Help and mail: the program's help and a new message to support.
#include <windows.h>

#include <cstdint>
#include <string>

struct AppContext;

// Opens the program's help at its contents: through the help engine when
// "Vantro.hlp" is beside the program, otherwise the help page "Vantro.htm" there,
// with the shell. A failure is told in a message box titled with the owner's caption.
void ShowHelpContents(AppContext& context, HWND owner);

// A new mail message to the address (which may carry "?subject=..."), through the
// shell. Returns the shell's result (above 32 is success); callers need not look.
intptr_t OpenMailTo(AppContext& context, HWND owner, const std::string& address);
