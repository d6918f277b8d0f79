#pragma once
// The boxes that launches raise, shown after the tick or command that raised them
// has returned: from the message loop, one at a time, in the order raised. A tick
// never waits for an answer, so a box left open holds up no later launch.
#include <windows.h>

#include <deque>
#include <string>

#include "platform/Prompts.h"
#include "ui/Timer.h"

class LaunchBoxes {
public:
    // owner: the window that owns the boxes; read when each box is shown.
    LaunchBoxes(Prompts& prompts, const HWND& owner);
    // An OK-only box without icon.
    void Add(std::string text, std::string title);

private:
    void ShowPending();

    struct Box {
        std::string text, title;
    };
    Prompts& prompts_;
    const HWND& owner_;
    std::deque<Box> pending_;
    ui::Timer soon_;  // a thread timer: it fires from whichever message loop runs
    bool showing_ = false;
};
