#include "app/app_identity.h"

namespace orca {

std::string_view VersionNumber() { return ORCA_VERSION; }

std::string VersionText() { return "ﾊﾞｰｼﾞｮﾝ " + std::string(VersionNumber()); }

}  // namespace orca
