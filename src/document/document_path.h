#pragma once

#include <string>
#include <string_view>

namespace orca {

// The document path field holds 256 characters.
inline constexpr std::size_t kDocumentPathChars = 256;

// A path as the document path field keeps it and every user reads it: cut to
// its first 256 characters (UTF-8 aware), then trimmed of blanks.
std::string DocumentPathOf(std::string_view candidate);

}  // namespace orca
