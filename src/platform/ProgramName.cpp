#include "platform/ProgramName.h"

#include "platform/Application.h"

std::string ProgramName(const Application& app) {
    return app.Title() + " " + std::to_string(app.Major()) + "." + std::to_string(app.Minor());
}
