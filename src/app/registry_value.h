#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orca {

inline constexpr std::uint32_t kRegString = 1;
inline constexpr std::uint32_t kRegDword = 4;

// The text GetKeyValue gives for a value's raw data: the data is cut at its
// first NUL; a string value is returned unchanged; a 32-bit number becomes
// "&h" followed by the hexadecimal codes of the remaining bytes, last byte
// first and each without a leading zero, read back as a number (up to four
// digits a 16-bit, up to eight a 32-bit signed value) and written in decimal;
// "&h" alone stays as it is. Other value types give an empty text.
std::string RegistryValueText(std::uint32_t type, std::string_view data);

}  // namespace orca
