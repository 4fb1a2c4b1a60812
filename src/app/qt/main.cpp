#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/app_identity.h"
#include "app/command_line.h"
#include "app/command_line_help.h"
#include "app/qt/entry_points.h"
#include "app/settings_file.h"

namespace {

// Writes `text` whole; a failed write (a full disk, a closed pipe) is
// reported and makes the exit code 1.
int print(std::FILE* stream, const std::string& text, int exitCode) {
    if (std::fputs(text.c_str(), stream) >= 0 && std::fflush(stream) == 0) return exitCode;
    std::fprintf(stderr, "%s: cannot write: %s\n", orca::kCommandName, std::strerror(errno));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using Action = orca::CommandLine::Action;
    const orca::CommandLine line = orca::ParseCommandLine({argv + 1, argv + argc});
    switch (line.action) {
        case Action::Help:
            return print(
                stdout,
                orca::UsageText(orca::SettingsFilePath(orca::CurrentSettingsPlace(orca::ExecutableDir()))),
                0);
        case Action::Version:
            return print(stdout, orca::VersionReport(), 0);
        case Action::Wrong:
            return print(stderr, orca::WrongUsageReport(line.error), 2);
        case Action::Headless:
            return orca::RunHeadlessCommand(argc, argv);
        case Action::Window:
            break;
    }
    return orca::RunApplication(argv[0], line);
}
