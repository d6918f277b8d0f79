#include "platform/DateTimeText.h"
#include "scheduler/Scheduler.h"
#include "store/RegistryAccess.h"
#include "store/StoreLayout.h"

void Scheduler::Timer1_Timer() {
    DateTime now = ctx_.clock.Now();
    view_.txtTime.SetText(datetext::ClockText(now));
    view_.Timer1.SetInterval(datetext::NextMinuteInterval(now));
    // Raised by whoever changed either store behind the program's back; never cleared here.
    if (ReadKeyValue(HKEY_LOCAL_MACHINE, store::kTasksKey, store::kUpdate).IsTrue() ||
        ReadKeyValue(HKEY_CURRENT_USER, store::kTasksKey, store::kUpdate).IsTrue())
        view_.LoadTaskGrid();
}
