#include "support/MainWindowFixture.h"

#include "mainwindow/frmMain.h"
#include "store/RegistrySets.h"
#include "store/StoreLayout.h"

MainWindowTest::MainWindowTest() { app.SetPath(folder.Path()); }

MainWindowTest::~MainWindowTest() {
    window.reset();
    // The window made the program folder current; a current folder cannot be removed.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
}

frmMain& MainWindowTest::Start() {
    window.reset();
    window = std::make_unique<frmMain>(context);
    window->Load();
    return *window;
}

void MainWindowTest::Kill() { window.reset(); }

std::string MainWindowTest::ReadProgramValue(const char* name) const {
    return ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name).AsText();
}

bool MainWindowTest::HasProgramValue(const char* name) const {
    return !ReadKeyValue(HKEY_LOCAL_MACHINE, store::kProgramKey, name).IsEmpty();
}

int MainWindowTest::MessageBoxesWithText(const std::string& text) const {
    int count = 0;
    for (const auto& box : prompts.MessageBoxes())
        if (box.text == text) ++count;
    return count;
}
