#pragma once
// Pausing one task and halting the whole tick, from the menu.
#include "platform/AppContext.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SchedulerView.h"
#include "ui/Menu.h"

class PauseHalt {
public:
    PauseHalt(const SchedulerView& view, AppContext& context, SchedulerTick& tick);

    void mnuPause_Click();
    void mnuUnPause_Click();
    void mnuPVantro_Click();  // halts or resumes the scheduler tick

private:
    void SetPaused(bool paused);

    const SchedulerView& view_;
    AppContext& context_;
    SchedulerTick& tick_;
};

// Shows Un-pause for a paused task, Pause otherwise; never both.
void ShowPauseItems(ui::MenuItem& pause, ui::MenuItem& unPause, bool paused);
