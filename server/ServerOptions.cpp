#include "ServerOptions.h"

#include <cstdlib>

namespace remote {

namespace {

// A whole decimal number from low to high.
bool Number(const std::string& text, unsigned long low, unsigned long high, unsigned& result) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    if (value < low || value > high) return false;
    result = static_cast<unsigned>(value);
    return true;
}

}  // namespace

std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args) {
    ServerOptions options;
    if (args.size() % 2 != 0) return std::nullopt;
    for (size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        bool ok = true;
        if (name == "--bind") options.bind = value;
        else if (name == "--log") ok = !value.empty(), options.log = value;
        else if (name == "--port") ok = Number(value, 0, 65535, options.port);
        else if (name == "--timeout") ok = Number(value, 1, 86399, options.timeoutSeconds);
        else if (name == "--max-connections") ok = Number(value, 1, kMaxConnectionsLimit, options.maxConnections);
        else if (name == "--max-attachments") ok = Number(value, 1, 64, options.attachmentsPerConnection);
        else if (name == "--dead-after") ok = Number(value, 2, 86399, options.deadAfterSeconds);
        else ok = false;
        if (!ok) return std::nullopt;
    }
    return options;
}

}  // namespace remote
