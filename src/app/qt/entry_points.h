#pragma once

#include "app/command_line.h"

namespace orca {

// Runs --render or --dump when the command line asks for one; returns -1 when
// it names neither, otherwise the process exit code.
int RunHeadlessCommand(int argc, char** argv);

// Start-up of the windowed program (`program`: how it was started, argv[0]);
// returns the process exit code.
int RunApplication(const char* program, const CommandLine& line);

}  // namespace orca
