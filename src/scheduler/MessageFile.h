#pragma once
// The scratch file that carries a message task's text to the message editor.
#include <string>

#include "platform/ErrorText.h"

// "message.txt" in the given folder.
std::string MessageFilePath(const std::string& folder);
// The file's full name in quotes, for the editor's command line: the current folder is
// wherever the user last browsed to.
std::string MessageFileArgument(const std::string& folder);
// Replaces the file with one line: the text and CR LF, creating the folder when it is
// missing. The error of a failed write.
ErrorInfo WriteMessageFile(const std::string& folder, const std::string& text);
