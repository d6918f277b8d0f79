#pragma once
// A task row of the grid as the due test reads it, and the key its launches are
// remembered by. The tick and the catch-up read rows alike.
#include <string>

#include "scheduler/DueRules.h"
#include "scheduler/GridModel.h"

due::TaskRow ReadTaskRow(const GridModel& grid, int row);
// Tasks of the same name in both stores are two tasks.
std::string LaunchKey(const due::TaskRow& task);
