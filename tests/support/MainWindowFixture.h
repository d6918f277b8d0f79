#pragma once
// A main window on a scratch store, a temporary program folder and the seam doubles.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/AppContext.h"
#include "support/Doubles.h"
#include "support/ScratchRegistry.h"

class frmMain;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Makes a new main window, as one start of the program.
    frmMain& Start();
    // Ends the current window object (as a killed process would: nothing written).
    void Kill();

    std::string ReadProgramValue(const char* name) const;
    bool HasProgramValue(const char* name) const;
    int MessageBoxesWithText(const std::string& text) const;

    ScratchRegistry registry;
    TempFolder folder;
    Application app;
    FakeClock clock;
    ScriptedPrompts prompts;
    RecordingLauncher launcher;
    RecordingProgramEnd programEnd;
    ScriptedComponents components;
    AppContext context{app, clock, prompts, launcher, programEnd, components};
    std::unique_ptr<frmMain> window;
};
