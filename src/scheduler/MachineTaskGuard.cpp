#include "scheduler/MachineTaskGuard.h"

#include "platform/ProgramName.h"

bool RefuseMachineTaskChange(AppContext& ctx, HWND owner, store::Store store, const std::string& name) {
    if (store != store::Store::Machine || store::MayWriteMachineStore()) return false;
    ctx.prompts.MessageBox(owner,
                           "The task \"" + name + "\" runs for every user of this computer, so only an "
                           "administrator may change, pause or delete it.\r\n\r\nAsk an administrator, or start "
                           "Vantro as administrator to change it. Tasks you make yourself run only for you, and "
                           "you may change them.",
                           ProgramName(ctx.app), MB_OK | MB_ICONINFORMATION);
    return true;
}
