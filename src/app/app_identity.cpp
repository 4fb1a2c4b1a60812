#include "app/app_identity.h"

namespace orca {

std::string_view VersionNumber() { return ORCA_VERSION; }

std::string VersionText() { return "ﾊﾞｰｼﾞｮﾝ " + std::string(VersionNumber()); }

std::string CaptionBracketed(std::string_view path) {
    return std::string(kMainCaption) + "【" + std::string(path) + "】";
}

std::string CaptionSpaced(std::string_view path) {
    return std::string(kMainCaption) + "  " + std::string(path);
}

}  // namespace orca
