#pragma once
// The editor's commands over the main window's controls (without the main window),
// and a user who acts in the real modal dialog while it is up.
#include <functional>
#include <set>

#include "editor/TaskCommands.h"
#include "editor/frmNew.h"
#include "support/VantroTest.h"
#include "ui/Timer.h"

class EditorTest : public SchedulerTest {
protected:
    EditorTest() { commands.fileExists = [this](const std::string& name) { return files.count(name) > 0; }; }

    // Runs a command; while its editor is up, `user` acts in it. Whatever the user
    // leaves open is cancelled.
    void WithEditor(void (TaskCommands::*command)(), const std::function<void(frmNew&)>& user) {
        ui::Timer act(30, true);
        act.OnTimer = [&] {
            act.SetEnabled(false);
            frmNew* form = commands.Editor();
            if (!form) return;
            user(*form);
            if (!form->Saved()) Click(form->btnCancel);
        };
        (commands.*command)();
    }
    // The notice a control sends its parent when the user clicks it.
    static void Click(const ui::Control& control) {
        SendMessageA(GetParent(control.hwnd()), WM_COMMAND, MAKEWPARAM(control.Id(), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control.hwnd()));
    }
    static void Type(const ui::Control& box, const std::string& text) { SetWindowTextA(box.hwnd(), text.c_str()); }
    // Opens the weekly panel, ticks the days (0 Sunday .. 6 Saturday) and closes it.
    static void PickDays(frmNew& form, std::initializer_list<int> days) {
        Click(form.btnScheduled);
        for (int day : days) Click(form.chkWeekDay[day]);
        Click(form.btnOK2);
    }
    static void FillProgram(frmNew& form, const char* name, const char* location, std::initializer_list<int> days) {
        Type(form.txtProgramName, name);
        Type(form.txtLocation, location);
        PickDays(form, days);
    }
    static void FillMessage(frmNew& form, const char* text) {
        Click(form.optSM);
        PickDays(form, {2});
        Type(form.txtMessage, text);
    }
    // The five values the editor writes, joined by "|".
    static std::string Record(const std::string& name) {
        std::string joined;
        for (const char* value : {store::kLocation, store::kDaysOfTheWeek, store::kStartDate, store::kStartTime})
            joined += ReadTaskValue(name, value).AsText() + "|";
        return joined + ReadTaskValue(name, store::kRunOnce).AsText();
    }
    void Choose(const std::string& name) { controls.grdProgram.SetRow(RowOf(name)); }
    std::string MessageApp() const {
        return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, store::kMessageApp).AsText();
    }

    std::set<std::string> files;  // what exists for the editor's file tests
    UtilityPaths utilities;
    std::string driveList = "C: D:";
    TaskCommands commands{{controls.grdProgram, utilities, driveList, controls.window, [this] { tasks.LoadTaskGrid(); },
                           [this](store::Store store, const std::string& name) { tasks.DeleteTask(store, name); }},
                          context};
};
