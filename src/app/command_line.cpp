#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "app/headless_options.h"

namespace orca {
namespace {

// Qt's own options (qt6options(7)), which QApplication takes off its command
// line. They must keep working: a desktop session restarts a program with
// "-session ID", and -platform or -style are how a user picks a backend or a
// look. The first set takes the next argument as its value.
constexpr std::array<std::string_view, 12> kQtOptionsWithValue = {
    "-platform",        "-platformpluginpath", "-platformtheme", "-plugin",
    "-qwindowgeometry", "-qwindowicon",        "-qwindowtitle",  "-session",
    "-display",         "-geometry",           "-style",         "-stylesheet"};
constexpr std::array<std::string_view, 2> kQtFlags = {"-reverse", "-widgetcount"};
constexpr std::array<std::string_view, 3> kQtJoinedOptions = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool oneOf(const std::array<std::string_view, N>& names, std::string_view a) {
    return std::find(names.begin(), names.end(), a) != names.end();
}

bool joinedQtOption(std::string_view a) {
    return std::any_of(kQtJoinedOptions.begin(), kQtJoinedOptions.end(),
                       [a](std::string_view prefix) { return a.starts_with(prefix); });
}

CommandLine only(CommandLine::Action action, std::string error = {}) {
    CommandLine line;
    line.action = action;
    line.error = std::move(error);
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    const auto end = std::find(args.begin(), args.end(), "--");
    for (auto a = args.begin(); a != end; ++a) {
        if (*a == "--help" || *a == "-h") return only(CommandLine::Action::Help);
        if (*a == "--version") return only(CommandLine::Action::Version);
    }
    if (ParseHeadlessOptions(args).command != HeadlessOptions::Command::None) {
        return only(CommandLine::Action::Headless);
    }

    CommandLine line;
    for (auto a = args.begin(); a != end; ++a) {
        if (!a->starts_with('-') || *a == "-") {
            line.files.push_back(*a);
        } else if (oneOf(kQtFlags, *a) || joinedQtOption(*a)) {
            line.qtOptions.push_back(*a);
        } else if (oneOf(kQtOptionsWithValue, *a)) {
            if (a + 1 == end) return only(CommandLine::Action::Wrong, *a + " needs a value");
            line.qtOptions.push_back(*a);
            line.qtOptions.push_back(*++a);
        } else {
            return only(CommandLine::Action::Wrong, "unknown option " + *a);
        }
    }
    if (end != args.end()) line.files.insert(line.files.end(), end + 1, args.end());
    return line;
}

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
