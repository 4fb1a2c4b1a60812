#pragma once

#include <string>
#include <string_view>

namespace orca {

// What --help prints: the window, the headless commands and their options,
// where the settings file lives (`settingsFile`: the one this run would use)
// and the exit codes.
std::string UsageText(std::string_view settingsFile);

// What --version prints.
std::string VersionReport();

// What a wrong command line prints on standard error: the program's name and
// `error` on one line, then how to get help.
std::string WrongUsageReport(std::string_view error);

}  // namespace orca
