#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orca {

// The file named on the command line: the arguments after the program name
// joined by blanks, every double quote removed, cut to 256 characters and
// trimmed. Nothing when the command line is empty.
std::optional<std::string> CommandLinePath(const std::vector<std::string>& args);

}  // namespace orca
