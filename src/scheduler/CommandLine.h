#pragma once
// Given an unquoted command line with blanks, Windows tries the shortest reading
// first: "C:\Program Files\Editor\edit.exe /x" starts C:\Program.exe when that exists.
// Quoting the longest leading part that names an existing file starts that file.
// No <windows.h> here: the decision builds and is tested anywhere.
#include <string>

#include "platform/FileTest.h"

// Lines that already begin with a quote, or whose named file has no blank, come back as they are.
std::string QuoteProgramPath(const std::string& commandLine, const FileTest& isFile);
// The same, asking the file system (an existing file, not a folder).
std::string QuoteProgramPath(const std::string& commandLine);
