#pragma once

#include <string>
#include <string_view>

#include "base/app_title.h"

namespace orca {

// The name the program is run by, and names itself by in what it prints.
inline constexpr const char* kCommandName = "orca-nc-editor";

// The project's one version number, "1.1.0": the build passes it in, so the
// About box, --version and the package always agree.
std::string_view VersionNumber();
// "ﾊﾞｰｼﾞｮﾝ 1.1.0"
std::string VersionText();

}  // namespace orca
