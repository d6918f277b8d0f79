#pragma once
// "Launch History": the launches of the history file, newest first, with a filter on
// the task and a button that copies the rows shown to the clipboard.
#include <string>
#include <vector>

#include "scheduler/HistoryFormat.h"
#include "ui/Form.h"

class frmHistory final : public ui::Form {
public:
    explicit frmHistory(std::string historyPath);

    // Reads the file afresh; the chosen task stays chosen while the file names it.
    void Reload();
    // The rows shown, newest first.
    const std::vector<const HistoryEntry*>& Shown() const { return shown_; }
    // The heading line and the rows shown, tab-separated, one line each.
    std::string ShownText() const;

    void cbTask_Click();
    void btnCopy_Click();

    ui::Bound<ui::ComboBox> cbTask{*this, "cbTask"};
    ui::Bound<ui::ListView> grdHistory{*this, "grdHistory"};
    ui::Bound<ui::Button> btnCopy{*this, "btnCopy"};

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void ListTasks();
    void ShowRows();

    std::string path_;
    std::vector<HistoryEntry> entries_;  // newest first
    std::vector<const HistoryEntry*> shown_;
};
