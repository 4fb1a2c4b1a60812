#pragma once

#include <string>
#include <string_view>

#include "base/app_title.h"

namespace orca {

// The main window's caption before any document is loaded.
inline constexpr const char* kMainCaption = "OrcaＮＣEditor-NC簡易エディター";

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 0;

// "ﾊﾞｰｼﾞｮﾝ 1.1.0"
std::string VersionText();

// Caption after Open and save-as: the path in 【】 brackets.
std::string CaptionBracketed(std::string_view path);
// Caption after a recent entry, a drop or the command line: two blanks, then the path.
std::string CaptionSpaced(std::string_view path);

}  // namespace orca
