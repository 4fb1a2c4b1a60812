#pragma once

namespace orca {

// Runs --render or --dump when the command line asks for one; returns -1 when
// it names neither, otherwise the process exit code.
int RunHeadlessCommand(int argc, char** argv);

// Start-up of the windowed program; returns the process exit code.
int RunApplication(int argc, char** argv);

}  // namespace orca
