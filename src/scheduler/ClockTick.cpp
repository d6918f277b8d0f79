#include "scheduler/ClockTick.h"

#include "platform/DateTimeText.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

ClockTick::ClockTick(const SchedulerView& view, AppContext& context) : view_(view), context_(context) {}

void ClockTick::Timer1_Timer() {
    DateTime now = context_.clock.Now();
    view_.txtTime.SetText(datetext::ClockText(now));
    view_.Timer1.SetInterval(datetext::NextMinuteInterval(now));
    // Raised by whoever changed either store behind the program's back; never cleared here.
    if (ReadKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate).IsTrue() ||
        ReadKeyValue(HKEY_CURRENT_USER, store::kTasksKey, store::kUpdate).IsTrue())
        view_.LoadTaskGrid();
}
