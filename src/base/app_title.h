#pragma once

namespace orca {

// The title of the program and of every message box that names none.
inline constexpr const char* kAppTitle = "OrcaＮＣEditor";

}  // namespace orca
