#pragma once
// A scratch store, a temporary program and data folder, and the seam doubles around
// them: what the fixture, the long run and the store fuzzer hand the code under test.
#include "platform/AppContext.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

template <typename TestLauncher = RecordingLauncher>
struct TestWorld {
    TestWorld() {
        app.SetPath(folder.Path());
        app.SetDataFolder(folder.Path());
    }

    ScratchRegistry registry;
    TempFolder folder;
    Application app;
    FakeClock clock;
    ScriptedPrompts prompts;
    TestLauncher launcher;
    RecordingProgramEnd programEnd;
    ScriptedComponents components;
    AppContext context{app, clock, prompts, launcher, programEnd, components};
};
