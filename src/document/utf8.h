#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orca {

// U+FFFD, which stands for every byte that cannot be decoded.
inline constexpr std::string_view kReplacementChar = "\xEF\xBF\xBD";

// U+FEFF as it starts a UTF-8 file.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Number of bytes at the start of `bytes` without the high bit set.
std::size_t AsciiSpan(std::string_view bytes);

inline bool IsAscii(std::string_view bytes) { return AsciiSpan(bytes) == bytes.size(); }

// Length of the well-formed UTF-8 character at the start of `bytes` (no
// overlong forms, surrogates or values above U+10FFFF), 0 when there is none.
std::size_t Utf8CharLength(std::string_view bytes);

struct Utf8Check {
    bool valid = true;       // every character well-formed
    bool multiByte = false;  // at least one character outside ASCII
};

// Checks `bytes` as UTF-8. When `cutEndAllowed`, a character cut off by the
// end of `bytes` (a prefix of a longer text) still counts as valid.
Utf8Check CheckUtf8(std::string_view bytes, bool cutEndAllowed = false);

// Appends `bytes` as UTF-8, each byte outside a well-formed character
// replaced by U+FFFD. True when a byte was replaced.
bool AppendUtf8Repaired(std::string_view bytes, std::string& out);

}  // namespace orca
