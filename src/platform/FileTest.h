#pragma once
// Whether a file of that name exists: the file system's answer, or a test's. No <windows.h>.
#include <functional>
#include <string>

using FileTest = std::function<bool(const std::string& fileName)>;
