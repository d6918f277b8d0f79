#include "editor/frmNew.h"

#include <commctrl.h>

#include <cstdio>
#include <string_view>

#include "editor/DayList.h"
#include "editor/TaskSave.h"
#include "platform/DateTimeText.h"
#include "platform/ProgramName.h"
#include "platform/Trim.h"
#include "store/StoreLayout.h"

namespace {

using ui::ControlKind;

constexpr int kWidthTwips = 4665;
constexpr int kHeightTwips = 2670;
constexpr int kMessageLength = 255;
constexpr int kStartDateLength = 10;
constexpr const char* kBrowseFilter = "All Executables|*.exe;*.com;*.bat|All Files|*.*";
constexpr const char* kOnceCaption = "What day and time do you want this to occure?";
constexpr const char* kWeeklyCaption = "Select the days of the week you want this to happen.";

// Label1, Label7 and lblStartDate are a little wider than first drawn, so that their
// text fits on one line in the system's message font.
const std::vector<ui::ControlSpec> kControls = {
    {"txtDateAndTime", ControlKind::TextBox, nullptr, "Today's Date and Time is : ", 0, 1995, 4575, 285, 30},
    {"frameRB", ControlKind::Frame, nullptr, "", 150, 1050, 4260, 720, 16},
    {"btnOK", ControlKind::Button, "frameRB", "OK", 420, 315, 1335, 375, 29, 0, ui::Role::Default},
    {"btnCancel", ControlKind::Button, "frameRB", "Cancel", 2445, 315, 1335, 375, 28, 0, ui::Role::Cancel},
    {"btnOnce", ControlKind::Button, "frameRB", "Set", 1530, 0, 570, 240, 19},
    {"btnScheduled", ControlKind::Button, "frameRB", "Set", 3690, 0, 570, 240, 18},
    {"chkRunOnlyOnce(0)", ControlKind::OptionButton, "frameRB", "Run ONLY once", 0, 15, 1575, 195, 17},
    {"chkRunOnlyOnce(1)", ControlKind::OptionButton, "frameRB", "Scheduled", 2550, 15, 1125, 195, 16},
    {"frameScheduled", ControlKind::Frame, nullptr, "", 0, 0, 4575, 1965, 12},
    {"chkWeekDay(7)", ControlKind::CheckBox, "frameScheduled", "Saturday", 3225, 570, 990, 240, 26},
    {"chkWeekDay(6)", ControlKind::CheckBox, "frameScheduled", "Friday", 1815, 1080, 990, 240, 25},
    {"chkWeekDay(5)", ControlKind::CheckBox, "frameScheduled", "Thursday", 1815, 825, 990, 240, 24},
    {"chkWeekDay(4)", ControlKind::CheckBox, "frameScheduled", "Wednesday", 1815, 570, 1185, 240, 23},
    {"chkWeekDay(3)", ControlKind::CheckBox, "frameScheduled", "Tuesday", 405, 1095, 990, 240, 22},
    {"chkWeekDay(2)", ControlKind::CheckBox, "frameScheduled", "Monday", 405, 825, 990, 240, 21},
    {"chkWeekDay(1)", ControlKind::CheckBox, "frameScheduled", "Sunday", 405, 570, 990, 240, 20},
    {"btnOK2", ControlKind::Button, "frameScheduled", "OK", 3090, 1560, 1335, 375, 14},
    {"txtDate", ControlKind::DatePicker, "frameScheduled", "", 990, 180, 3450, 285, 33},
    {"txtStartDate", ControlKind::TextBox, "frameScheduled", "", 1005, 180, 1125, 285, 12},
    {"txtTime", ControlKind::TimePicker, "frameScheduled", "", 3120, 1140, 1290, 285, 32},
    {"txtStartTime", ControlKind::TextBox, "frameScheduled", "", 3225, 1140, 975, 285, 34},
    {"lblOnceOrWeekly", ControlKind::Label, "frameScheduled", kWeeklyCaption, 180, 1515, 2730, 375, 35},
    {"lblStartDate", ControlKind::Label, "frameScheduled", "Start Date", 195, 210, 780, 255, 36, SS_LEFTNOWORDWRAP},
    {"Label7", ControlKind::Label, "frameScheduled", "Time to run", 3330, 945, 1080, 195, 37},
    {"optSM", ControlKind::OptionButton, nullptr, "Scheduled Message", 2520, 0, 1815, 255, 1},
    {"optSP", ControlKind::OptionButton, nullptr, "Scheduled Program", 240, 0, 1695, 195, 0},
    {"SMFrame", ControlKind::Frame, nullptr, "", 0, 0, 4575, 1965, 9},
    {"txtMessage", ControlKind::TextBox, "SMFrame", "", 120, 420, 4335, 600, 9,
     ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL},
    {"Label5", ControlKind::Label, "SMFrame", "What is the message you want to see?", 240, 225, 4095, 255, 10},
    {"SPFrame", ControlKind::Frame, nullptr, "", 0, 0, 4575, 1965, 2},
    {"txtProgramName", ControlKind::ComboBox, "SPFrame", "", 1455, 315, 2775, 315, 31},
    {"btnBrowse", ControlKind::Button, "SPFrame", "...", 4080, 720, 375, 255, 3},
    {"txtLocation", ControlKind::TextBox, "SPFrame", "", 960, 720, 3015, 285, 2},
    {"Label2", ControlKind::Label, "SPFrame", "Location", 120, 720, 615, 195, 4},
    {"Label1", ControlKind::Label, "SPFrame", "Name of Program", 120, 360, 1335, 195, 5, SS_LEFTNOWORDWRAP},
};

// The date in the system's long form, two blanks, the time on the 24-hour clock.
std::string ClockLine(const DateTime& now) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(now.year);
    st.wMonth = static_cast<WORD>(now.month);
    st.wDay = static_cast<WORD>(now.day);
    char date[128] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &st, nullptr, date, sizeof date);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", now.hour, now.minute, now.second);
    return std::string(date) + "  " + time;
}

// A stored date and time put into the pickers; what cannot be read gives way to now.
DateTime PickerDate(const std::string& stored, const DateTime& now) {
    std::optional<Date> date = datetext::ParseDate(stored);
    if (!date) return now;
    return {date->year, date->month, date->day, now.hour, now.minute, now.second};
}

DateTime PickerTime(const std::string& stored, const DateTime& now) {
    std::optional<DateTime> time = datetext::ParseTime(stored);
    if (!time) return now;
    return {now.year, now.month, now.day, time->hour, time->minute, 0};
}

}  // namespace

// The type and the text come from one value, trimmed as the task list reads it.
bool frmNew::IsMessageTask(const store::TaskRecord& task) {
    return Trimmed(task.location).starts_with(store::kMessagePrefix);
}

void frmNew::ShowNewTask(const DateTime& now) {
    txtStartDate.SetText(datetext::DateMMDDYYYY(now.date()));
    txtDate.SetValue(now);
    txtTime.SetValue(now);
}

void frmNew::ShowTask(const store::TaskRecord& task, const DateTime& now) {
    if (IsMessageTask(task)) {
        optSM.SetValue(true);
        txtMessage.SetText(Trimmed(task.location).substr(std::string_view(store::kMessagePrefix).size()));
    } else {
        optSP.SetValue(true);
        txtLocation.SetText(task.location);
        txtProgramName.SetText(task.name);
    }
    txtStartDate.SetText(task.startDate);
    txtDate.SetValue(PickerDate(task.startDate, now));
    txtStartTime.SetText(task.startTime);
    txtTime.SetValue(PickerTime(task.startTime, now));
    chkRunOnlyOnce[task.runOnce ? 0 : 1].SetValue(true);
    WeekdayChoice days = DaysInList(task.days);
    for (size_t day = 0; day < days.size(); ++day)
        if (days[day]) chkWeekDay[day].SetValue(1);
}

frmNew::frmNew(EditorSetting setting)
    : Form({kClassName, "", kWidthTwips, kHeightTwips, ui::kDialogStyle, ui::kDialogExStyle,
            nullptr, true, true},
           kControls),
      s_(std::move(setting)) {
    // The state a fresh editor opens in: a weekly program task on the main panel.
    SMFrame.SetVisible(false);
    frameScheduled.SetVisible(false);
    txtStartDate.SetVisible(false);
    txtStartTime.SetVisible(false);
    txtStartDate.SetMaxLength(kStartDateLength);
    txtMessage.SetMaxLength(kMessageLength);
    txtDateAndTime.SetLocked(true);
    txtDateAndTime.SetBackColor(RGB(0xC0, 0xC0, 0xC0));
    optSP.SetValue(true);
    chkRunOnlyOnce[1].SetValue(true);

    Timer1.OnTimer = [this] { Timer1_Timer(); };
    optSP.Click = [this] { optSP_Click(); };
    optSM.Click = [this] { optSM_Click(); };
    btnOnce.Click = [this] { OpenSchedulingPanel(true); };
    btnScheduled.Click = [this] { OpenSchedulingPanel(false); };
    btnOK2.Click = [this] { btnOK2_Click(); };
    btnBrowse.Click = [this] { btnBrowse_Click(); };
    txtLocation.GotFocus = [this] { txtLocation_GotFocus(); };
    txtProgramName.Click = [this] { txtProgramName_Click(); };
    btnCancel.Click = [this] { Unload(); };
    btnOK.Click = [this] { btnOK_Click(); };
}

void frmNew::Form_Load() {
    SetSize(kWidthTwips, kHeightTwips);
    // The strip of buttons lies over the type frames, the type options above them.
    frameRB.ZOrder();
    optSM.ZOrder();
    optSP.ZOrder();
    SetCaption(ProgramName(s_.ctx.app));
    for (const std::string& entry : DetectUtilities(s_.utilities, s_.fileExists)) txtProgramName.AddItem(entry);
    // Hours and minutes: seconds are not kept.
    SendMessageA(txtTime.hwnd(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("hh':'mm tt"));
    SetBrowseFont();
    Timer1.SetEnabled(true);
}

void frmNew::SetBrowseFont() {
    LOGFONTA font{};
    font.lfHeight = -MulDiv(12, Dpi(), 72);
    font.lfWeight = FW_BOLD;
    lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    browseFont_.reset(CreateFontIndirectA(&font));
    SendMessageA(btnBrowse.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(browseFont_.get()), TRUE);
}

void frmNew::Timer1_Timer() {
    std::string line = ClockLine(s_.ctx.clock.Now());
    if (line != txtDateAndTime.Text()) txtDateAndTime.SetText(line);
}

void frmNew::optSP_Click() {
    SPFrame.SetVisible(true);
    SMFrame.SetVisible(false);
    SetDefaultButton(btnOK);
}

void frmNew::optSM_Click() {
    SMFrame.SetVisible(true);
    SPFrame.SetVisible(false);
}

void frmNew::OpenSchedulingPanel(bool runOnce) {
    lblOnceOrWeekly.SetText(runOnce ? kOnceCaption : kWeeklyCaption);
    chkRunOnlyOnce[runOnce ? 0 : 1].SetValue(true);
    for (auto& day : chkWeekDay) day.SetEnabled(!runOnce);
    frameRB.SetVisible(false);
    frameScheduled.SetVisible(true);
    frameScheduled.ZOrder();
    SetDefaultButton(btnOK2);
}

void frmNew::btnOK2_Click() {
    frameRB.SetVisible(true);
    frameScheduled.SetVisible(false);
    SetDefaultButton(btnOK);
}

void frmNew::btnBrowse_Click() {
    cmd.filter = kBrowseFilter;
    cmd.Show(s_.ctx.prompts, hwnd());
    txtLocation.SetText(cmd.fileName);
}

void frmNew::txtLocation_GotFocus() {
    // The file dialog gives the focus back to the box as it closes: one browse only.
    if (browsingForFocus_ || !Trimmed(txtLocation.Text()).empty()) return;
    browsingForFocus_ = true;
    btnBrowse_Click();
    browsingForFocus_ = false;
    btnOnce.SetFocus();
}

void frmNew::txtProgramName_Click() {
    int index = txtProgramName.ListIndex();
    if (index < 0) return;
    std::string path = UtilityPathFor(s_.utilities, txtProgramName.List(index));
    if (!path.empty()) txtLocation.SetText(path);
}

void frmNew::btnOK_Click() {
    TaskEntries entries;
    entries.program = optSP.Value();
    entries.runOnce = chkRunOnlyOnce[0].Value();
    for (size_t day = 0; day < entries.days.size(); ++day) entries.days[day] = chkWeekDay[day].Value() != 0;
    entries.programName = txtProgramName.Text();
    entries.location = txtLocation.Text();
    entries.message = txtMessage.Text();
    entries.date = txtDate.Value();
    entries.time = txtTime.Value();
    SaveOutcome outcome = SaveTask(entries, {s_.ctx.prompts, hwnd(), ProgramName(s_.ctx.app), s_.driveList,
                                             s_.messageName, cmd, s_.fileExists, s_.store, s_.editedName,
                                             s_.ctx.clock.Now()});
    if (outcome.location != entries.location) txtLocation.SetText(outcome.location);
    saved_ = outcome.saved;
    if (saved_) Unload();
}
