#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orca {

// INI text as the Windows profile functions treat it: a line "[name]" opens
// a section, a line "key=value" sets a key; names match without regard to
// ASCII case; blanks around names and values are ignored; only the first
// section of a name and the first key of a name in it count. Lines of any
// other form are ignored. CR LF, CR and LF all end a line.

struct IniEntry {
    std::string key;
    std::string value;
};

// The value of `key` in `section`, or nothing when either is missing.
std::optional<std::string_view> IniLookup(std::string_view text, std::string_view section,
                                          std::string_view key);

// `text` with every entry set in `section`: the line of a present key is
// replaced, a missing key is added after the section's last line, a missing
// section is added at the end. Everything else stays as it was, byte for byte.
std::string IniAssign(std::string_view text, std::string_view section, const std::vector<IniEntry>& entries);

// False for a name or value the file could not hold as one line.
bool IniNameFits(std::string_view name);
bool IniValueFits(std::string_view value);

}  // namespace orca
