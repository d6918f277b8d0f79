#pragma once
// The editor's file-open dialog. Its filter and file name last while the editor is
// open, so a cancelled dialog leaves the name of the last file chosen.
#include <string>

#include "platform/Prompts.h"

struct FileChooser {
    std::string filter;    // none until the first browse sets it
    std::string fileName;

    // False when the user cancelled; the file name then stays as it was.
    bool Show(Prompts& prompts, HWND owner) {
        std::optional<std::string> chosen = prompts.OpenFile(owner, {"", filter, 1, "", fileName});
        if (chosen) fileName = *chosen;
        return chosen.has_value();
    }
};
