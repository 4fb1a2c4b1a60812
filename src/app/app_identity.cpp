#include "app/app_identity.h"

namespace orca {

std::string VersionText() {
    return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

std::string CaptionBracketed(std::string_view path) {
    return std::string(kMainCaption) + "【" + std::string(path) + "】";
}

std::string CaptionSpaced(std::string_view path) {
    return std::string(kMainCaption) + "  " + std::string(path);
}

}  // namespace orca
