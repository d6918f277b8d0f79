#include "mainwindow/frmHistory.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

#include "scheduler/LaunchHistory.h"
#include "scheduler/LaunchResult.h"
#include "ui/Clipboard.h"

namespace {

constexpr int kWidthTwips = 11400;
constexpr int kHeightTwips = 5400;
constexpr int kListTopTwips = 540;
constexpr const char* kAllTasks = "(All tasks)";
constexpr COLORREF kFailedColor = RGB(0xC0, 0, 0);
constexpr int kColumnTwips[kHistoryFields] = {1900, 1700, 900, 2800, 1100, 1900, 1100};

const std::vector<ui::ControlSpec> kControls = {
    {"lblTask", ui::ControlKind::Label, nullptr, "&Task:", 120, 150, 600, 255, 0},
    {"cbTask", ui::ControlKind::ComboBox, nullptr, "", 720, 105, 3600, 315, 1, CBS_DROPDOWNLIST | WS_VSCROLL},
    {"btnCopy", ui::ControlKind::Button, nullptr, "&Copy", 4440, 90, 1200, 360, 2},
    {"grdHistory", ui::ControlKind::ListView, nullptr, "", 0, kListTopTwips, kWidthTwips, 4000, 3,
     LVS_OWNERDATA},
};

}  // namespace

frmHistory::frmHistory(std::string historyPath)
    : Form({"VantroHistory", "Launch History", kWidthTwips, kHeightTwips, WS_OVERLAPPEDWINDOW}, kControls),
      path_(std::move(historyPath)) {
    cbTask.Click = [this] { cbTask_Click(); };
    btnCopy.Click = [this] { btnCopy_Click(); };
    grdHistory.RowTextColor = [this](int index) {
        bool failed = index >= 0 && index < static_cast<int>(shown_.size()) && IsFailedResult(shown_[index]->result);
        return failed ? kFailedColor : CLR_DEFAULT;
    };
}

void frmHistory::Form_Load() {
    std::vector<std::string> headings(std::begin(kHistoryHeadings), std::end(kHistoryHeadings));
    grdHistory.SetColumns(headings, std::vector<int>(std::begin(kColumnTwips), std::end(kColumnTwips)));
    Reload();
}

void frmHistory::Form_Resize() {
    ui::TwipsRect client = ClientTwips();
    grdHistory.Move({0, kListTopTwips, client.width, std::max(0, client.height - kListTopTwips)});
}

void frmHistory::Reload() {
    entries_ = ReadHistory(path_);
    std::reverse(entries_.begin(), entries_.end());
    ListTasks();
    ShowRows();
}

// Every task the history names, in order, after the choice of all.
void frmHistory::ListTasks() {
    int chosen = cbTask.ListIndex();
    std::string previous = chosen > 0 ? cbTask.List(chosen) : "";
    std::set<std::string> names;
    for (const HistoryEntry& entry : entries_) names.insert(entry.task);
    cbTask.Clear();
    cbTask.AddItem(kAllTasks);
    int index = 0;
    for (const std::string& name : names) {
        cbTask.AddItem(name);
        if (name == previous) index = cbTask.ListCount() - 1;
    }
    cbTask.SetListIndex(index);
}

void frmHistory::cbTask_Click() { ShowRows(); }

void frmHistory::ShowRows() {
    int chosen = cbTask.ListIndex();
    const std::string* task = chosen > 0 ? &cbTask.List(chosen) : nullptr;
    shown_.clear();
    for (const HistoryEntry& entry : entries_)
        if (!task || entry.task == *task) shown_.push_back(&entry);
    grdHistory.SetVirtualRows(static_cast<int>(shown_.size()), [this](int row, int col) {
        return row >= 0 && row < static_cast<int>(shown_.size()) && col >= 0 && col < kHistoryFields
                   ? HistoryField(*shown_[row], col)
                   : std::string();
    });
}

std::string frmHistory::ShownText() const {
    std::string text = HistoryHeadingLine() + "\r\n";
    for (const HistoryEntry* entry : shown_) text += HistoryLine(*entry) + "\r\n";
    return text;
}

void frmHistory::btnCopy_Click() { ui::CopyTextToClipboard(hwnd(), ShownText()); }
