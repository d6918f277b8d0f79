#pragma once
// The outside-world services every form is given. One instance, made by WinMain
// (or by a test with its doubles); no hidden globals.
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Components.h"
#include "platform/Launcher.h"
#include "platform/ProgramEnd.h"
#include "platform/Prompts.h"

struct AppContext {
    Application& app;
    Clock& clock;
    Prompts& prompts;
    Launcher& launcher;
    ProgramEnd& programEnd;
    Components& components;
};
