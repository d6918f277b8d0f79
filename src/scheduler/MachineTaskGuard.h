#pragma once
// Tasks of the machine store run for every user, so only an administrator may change
// them: Edit, Delete and Pause of one ask here first.
#include <windows.h>

#include <string>

#include "platform/AppContext.h"
#include "store/Stores.h"

// True, after a box that says why and who may change the task, when the task is the
// machine's and this Vantro may not change the machine store. Nothing is written.
bool RefuseMachineTaskChange(AppContext& ctx, HWND owner, store::Store store, const std::string& name);
