#include "app/app_identity.h"

namespace orca {

std::string VersionText() {
    return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

}  // namespace orca
