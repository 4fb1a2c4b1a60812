#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orca {

// What the command line asks the program to do.
struct CommandLine {
    enum class Action {
        Window,    // open the window, with `files` naming its program
        Headless,  // --render or --dump (ParseHeadlessOptions reads the rest)
        Help,      // --help or -h
        Version,   // --version
        Wrong,     // `error` says what is wrong
    };

    Action action = Action::Window;
    // Qt's own options with their values, in their order, for QApplication.
    std::vector<std::string> qtOptions;
    // The window's file: the plain arguments and every argument after "--".
    std::vector<std::string> files;
    std::string error;  // one line, for Wrong
};

// `args` without the program name. Before "--", --help, -h and --version win
// over everything else, then --render or --dump makes it a headless command;
// for the window any other argument that begins with '-' (but "-" alone) is
// one of Qt's options or wrong.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The window's file from CommandLine::files: joined by blanks, every double
// quote removed, otherwise exactly as given. Nothing when there are none.
std::optional<std::string> CommandLinePath(const std::vector<std::string>& args);

}  // namespace orca
