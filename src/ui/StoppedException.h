#pragma once
// Exceptions stop at the window procedure and the timer callback: nothing may unwind
// into the system's message dispatch. What was stopped goes to the debugger output, so
// a fault shows there instead of vanishing.

namespace ui {

// Call only inside a catch block; boundary names where the exception was stopped.
void ReportStoppedException(const char* boundary) noexcept;

}  // namespace ui
