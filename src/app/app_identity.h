#pragma once

#include <string>
#include <string_view>

namespace orca {

// The title of the program and of every message box that names none.
inline constexpr const char* kAppTitle = "OrcaＮＣEditor";
// The main window's caption before any document is loaded.
inline constexpr const char* kMainCaption = "OrcaＮＣEditor-NC簡易エディター";

// The name the program is run by, and names itself by in what it prints.
inline constexpr const char* kCommandName = "orca-nc-editor";

// The project's one version number, "1.1.0": the build passes it in, so the
// About box, --version and the package always agree.
std::string_view VersionNumber();
// "ﾊﾞｰｼﾞｮﾝ 1.1.0"
std::string VersionText();

// Caption after Open and save-as: the path in 【】 brackets.
std::string CaptionBracketed(std::string_view path);
// Caption after a recent entry, a drop or the command line: two blanks, then the path.
std::string CaptionSpaced(std::string_view path);

}  // namespace orca
