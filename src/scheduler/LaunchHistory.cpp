#include "scheduler/LaunchHistory.h"

#include <windows.h>

#include <algorithm>

#include "platform/Application.h"
#include "platform/UniqueHandle.h"

namespace {

constexpr int kSoonMs = 1;
constexpr const char* kLineEnd = "\r\n";

// The whole file; false when it cannot be opened (a missing file reads as empty).
bool ReadWhole(const std::string& path, std::string& text) {
    text.clear();
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return false;
    text.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!text.empty() && !ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr))
        return false;
    text.resize(read);
    return true;
}

DWORD WriteAll(HANDLE file, const std::string& text) {
    DWORD written = 0;
    if (!WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) return GetLastError();
    return written == text.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

}  // namespace

LaunchHistory::LaunchHistory(std::string path) : path_(std::move(path)), soon_(kSoonMs, false) {
    soon_.OnTimer = [this] { Flush(); };
}

void LaunchHistory::Add(const HistoryEntry& entry) {
    if (path_.empty()) return;
    pending_.push_back(HistoryLine(entry));
    soon_.SetEnabled(true);
}

void LaunchHistory::CountLines() {
    std::string text;
    ReadWhole(path_, text);
    lines_ = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    endsInLine_ = !text.empty() && text.back() != '\n';
    if (endsInLine_) ++lines_;
}

void LaunchHistory::Flush() {
    soon_.SetEnabled(false);
    if (pending_.empty()) return;
    std::vector<std::string> lines = std::move(pending_);
    pending_.clear();
    if (lines_ < 0) CountLines();

    DWORD error = ERROR_SUCCESS;
    if (lines_ + static_cast<int>(lines.size()) + (lines_ == 0) > kMaxLines) {
        error = Rewrite(lines);
    } else {
        std::string text = endsInLine_ ? kLineEnd : "";
        if (lines_ == 0) text += HistoryHeadingLine() + kLineEnd;
        for (const std::string& line : lines) text += line + kLineEnd;
        error = Append(text);
        if (error == ERROR_SUCCESS) {
            lines_ += static_cast<int>(lines.size()) + (lines_ == 0);
            endsInLine_ = false;
        }
    }
    if (error != ERROR_SUCCESS && !failed_) {
        failed_ = true;
        if (WriteFailed) WriteFailed(MakeError(error));
    }
}

DWORD LaunchHistory::Append(const std::string& text) {
    CreateDirectoryA(FolderOf(path_).c_str(), nullptr);
    UniqueFileHandle file(CreateFileA(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    return WriteAll(file.get(), text);
}

// Keeps the newest lines so that the file ends well below the cap, through a new file
// that replaces the old one whole: a failure leaves the old file as it was.
DWORD LaunchHistory::Rewrite(const std::vector<std::string>& newLines) {
    std::string old;
    if (!ReadWhole(path_, old)) return GetLastError();
    std::vector<std::string> lines;
    for (size_t start = 0; start < old.size();) {
        size_t end = old.find('\n', start);
        std::string line = old.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end == std::string::npos ? old.size() : end + 1;
    }
    if (!lines.empty() && lines.front() == HistoryHeadingLine()) lines.erase(lines.begin());
    lines.insert(lines.end(), newLines.begin(), newLines.end());
    size_t keep = std::min(lines.size(), static_cast<size_t>(kMaxLines - kCutSlack - 1));

    std::string text = HistoryHeadingLine() + kLineEnd;
    for (size_t i = lines.size() - keep; i < lines.size(); ++i) text += lines[i] + kLineEnd;
    const std::string fresh = path_ + ".new";
    {
        UniqueFileHandle file(CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return GetLastError();
        if (DWORD error = WriteAll(file.get(), text)) return error;
    }
    if (!MoveFileExA(fresh.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DWORD error = GetLastError();
        DeleteFileA(fresh.c_str());
        return error;
    }
    lines_ = static_cast<int>(keep) + 1;
    endsInLine_ = false;
    return ERROR_SUCCESS;
}

std::string HistoryFileIn(const std::string& folder) { return folder.empty() ? "" : folder + "\\history.txt"; }

std::vector<HistoryEntry> ReadHistory(const std::string& path) {
    std::string text;
    ReadWhole(path, text);
    return ParseHistory(text);
}
