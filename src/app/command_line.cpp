#include "app/command_line.h"

#include <algorithm>

namespace orca {

std::optional<std::string> CommandLinePath(const std::vector<std::string>& args) {
    std::string line;
    for (const auto& a : args) {
        if (!line.empty()) line += ' ';
        line += a;
    }
    if (line.empty()) return std::nullopt;
    line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
    return line;
}

}  // namespace orca
