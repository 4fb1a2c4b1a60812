#pragma once

#include <string>

#include "base/app_title.h"

namespace orca {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 0;

// "ﾊﾞｰｼﾞｮﾝ 1.1.0"
std::string VersionText();

}  // namespace orca
