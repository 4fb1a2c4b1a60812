#include "app/registry_value.h"

#include <cstdio>

namespace orca {
namespace {

std::string hexNumberText(std::string_view bytes) {
    std::string digits;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        char buf[3];
        std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(static_cast<unsigned char>(*it)));
        digits += buf;
    }
    if (digits.empty()) return "&h";
    const unsigned long bits = std::stoul(digits, nullptr, 16);
    const long value = digits.size() <= 4 ? static_cast<long>(static_cast<std::int16_t>(bits))
                                          : static_cast<long>(static_cast<std::int32_t>(bits));
    return std::to_string(value);
}

}  // namespace

std::string RegistryValueText(std::uint32_t type, std::string_view data) {
    const auto nul = data.find('\0');
    if (nul != std::string_view::npos) data = data.substr(0, nul);
    switch (type) {
        case kRegString:
            return std::string(data);
        case kRegDword:
            return hexNumberText(data.substr(0, 4));
        default:
            return {};
    }
}

}  // namespace orca
