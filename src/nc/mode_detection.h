#pragma once

#include <cstdint>
#include <string_view>

namespace orca {

// How many records without G90 or G91 the search looks through.
inline constexpr int kModeRecordsSearched = 10;

// The coordinate mode of decoded program text: 0 when a record containing
// "G90" comes first, 1 when one containing "G91" does (G90 is tested first
// in each record; comments count), -1 when neither occurs in the first 10
// records. The standard reading looks for G90 and G91 words instead, so
// comments do not count.
std::int16_t AbsIncModeInText(std::string_view text, bool standardReading = false);

}  // namespace orca
