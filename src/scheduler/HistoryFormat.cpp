#include "scheduler/HistoryFormat.h"

#include <cctype>
#include <cstdio>

const char* const kHistoryHeadings[kHistoryFields] = {"Time",   "Task",   "Store",       "Command",
                                                      "Launch", "Result", "Running time"};

namespace {

constexpr std::string HistoryEntry::*kFields[kHistoryFields] = {
    &HistoryEntry::time,  &HistoryEntry::task,   &HistoryEntry::store,      &HistoryEntry::command,
    &HistoryEntry::cause, &HistoryEntry::result, &HistoryEntry::runningTime};

std::string Field(std::string text) {
    for (char& ch : text)
        if (ch == '\t' || ch == '\r' || ch == '\n') ch = ' ';
    return text;
}

// yyyy-mm-dd hh:mm:ss, digits where digits belong.
bool IsHistoryTime(std::string_view text) {
    constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
    if (text.size() != kShape.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (kShape[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != kShape[i])
            return false;
    return true;
}

}  // namespace

const std::string& HistoryField(const HistoryEntry& entry, int index) { return entry.*kFields[index]; }

std::string HistoryTime(const DateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::string HistoryHeadingLine() {
    std::string line;
    for (int i = 0; i < kHistoryFields; ++i) line.append(i ? "\t" : "").append(kHistoryHeadings[i]);
    return line;
}

std::string HistoryLine(const HistoryEntry& e) {
    std::string line;
    for (int i = 0; i < kHistoryFields; ++i) line.append(i ? "\t" : "").append(Field(HistoryField(e, i)));
    return line;
}

std::optional<HistoryEntry> ParseHistoryLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> fields;
    for (size_t start = 0;;) {
        size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (fields.size() != kHistoryFields || !IsHistoryTime(fields[0])) return std::nullopt;
    return HistoryEntry{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

std::vector<HistoryEntry> ParseHistory(std::string_view text) {
    std::vector<HistoryEntry> entries;
    // A last line without its line end was cut short by a write that did not finish.
    for (size_t end; (end = text.find('\n')) != std::string_view::npos; text.remove_prefix(end + 1))
        if (auto entry = ParseHistoryLine(text.substr(0, end))) entries.push_back(std::move(*entry));
    return entries;
}
