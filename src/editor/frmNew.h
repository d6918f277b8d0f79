#pragma once
// The task editor: a modal dialog that describes one task, a program or a message,
// run once or weekly. OK saves it (TaskSave); Cancel writes nothing.
#include <string>

#include "editor/DiskUtilities.h"
#include "editor/FileChooser.h"
#include "platform/AppContext.h"
#include "platform/UniqueHandle.h"
#include "platform/DateTime.h"
#include "store/Stores.h"
#include "store/TaskRecord.h"
#include "ui/Form.h"
#include "ui/Timer.h"

// What the editor is given by the command that opens it.
struct EditorSetting {
    AppContext& ctx;
    UtilityPaths& utilities;      // kept by the main window; the load step fills them
    std::string driveList;        // "C: D:"
    std::string messageName;      // proposed as a message's name
    FileTest fileExists = IsFile;
    store::Store store = store::Store::Machine;  // where OK saves the task
    std::string editedName{};     // the task Edit opened, by its exact key name; empty for New
};

class frmNew final : public ui::Form {
public:
    static constexpr const char* kClassName = "VantroTaskEditor";
    explicit frmNew(EditorSetting setting);

    // Fills the form, once created: New starts today, now; Edit shows the stored task
    // (its record's name is the task's exact key name).
    void ShowNewTask(const DateTime& now);
    void ShowTask(const store::TaskRecord& task, const DateTime& now);
    static bool IsMessageTask(const store::TaskRecord& task);

    // True while the scheduling panel (dates, time, days) is up.
    bool SchedulingPanelOpen() const { return frameScheduled.Visible(); }
    // Filled by the clock tick.
    ui::Bound<ui::TextBox> txtDateAndTime{*this, "txtDateAndTime"};

    ui::Bound<ui::OptionButton> optSP{*this, "optSP"}, optSM{*this, "optSM"};
    ui::Bound<ui::ComboBox> txtProgramName{*this, "txtProgramName"};
    ui::Bound<ui::TextBox> txtLocation{*this, "txtLocation"};
    ui::Bound<ui::Button> btnBrowse{*this, "btnBrowse"};
    ui::Bound<ui::TextBox> txtMessage{*this, "txtMessage"};
    // Index 0 "Run ONLY once", 1 "Scheduled".
    ui::Bound<ui::OptionButton> chkRunOnlyOnce[2]{{*this, "chkRunOnlyOnce(0)"}, {*this, "chkRunOnlyOnce(1)"}};
    ui::Bound<ui::Button> btnOnce{*this, "btnOnce"}, btnScheduled{*this, "btnScheduled"};
    ui::Bound<ui::Button> btnOK{*this, "btnOK"}, btnCancel{*this, "btnCancel"}, btnOK2{*this, "btnOK2"};
    // Index 0 Sunday .. 6 Saturday.
    ui::Bound<ui::CheckBox> chkWeekDay[7]{{*this, "chkWeekDay(1)"}, {*this, "chkWeekDay(2)"}, {*this, "chkWeekDay(3)"},
                                          {*this, "chkWeekDay(4)"}, {*this, "chkWeekDay(5)"}, {*this, "chkWeekDay(6)"},
                                          {*this, "chkWeekDay(7)"}};
    ui::Bound<ui::DateTimePicker> txtDate{*this, "txtDate", ui::ControlKind::DatePicker};
    ui::Bound<ui::DateTimePicker> txtTime{*this, "txtTime", ui::ControlKind::TimePicker};
    // The start date and time as stored text, between the pickers and the store.
    ui::Bound<ui::TextBox> txtStartDate{*this, "txtStartDate"}, txtStartTime{*this, "txtStartTime"};
    ui::Bound<ui::Label> lblOnceOrWeekly{*this, "lblOnceOrWeekly"};

    void btnOK_Click();
    // Whether the last OK saved the task (the editor then closes).
    bool Saved() const { return saved_; }

protected:
    void Form_Load() override;
    void Form_Unload() override { Timer1.SetEnabled(false); }
    void Form_DpiChanged() override { SetBrowseFont(); }

private:
    void Timer1_Timer();
    void optSP_Click();
    void optSM_Click();
    void OpenSchedulingPanel(bool runOnce);
    void btnOK2_Click();
    void btnBrowse_Click();
    void txtLocation_GotFocus();
    void txtProgramName_Click();
    void SetBrowseFont();

    EditorSetting s_;
    ui::Bound<ui::Frame> SPFrame{*this, "SPFrame"}, SMFrame{*this, "SMFrame"};
    ui::Bound<ui::Frame> frameScheduled{*this, "frameScheduled"}, frameRB{*this, "frameRB"};
    ui::Timer Timer1{1, false};
    FileChooser cmd;
    UniqueGdiObject browseFont_;
    bool browsingForFocus_ = false;
    bool saved_ = false;
};
