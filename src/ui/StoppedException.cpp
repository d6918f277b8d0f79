#include "ui/StoppedException.h"

#include <windows.h>

#include <exception>
#include <string>

namespace ui {

void ReportStoppedException(const char* boundary) noexcept {
    try {
        std::string text = std::string("Vantro: exception stopped at the ") + boundary + ": ";
        try {
            throw;
        } catch (const std::exception& error) {
            text += error.what();
        } catch (...) {
            text += "not a standard exception";
        }
        OutputDebugStringA((text + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("Vantro: exception stopped; no memory to describe it\n");
    }
}

}  // namespace ui
