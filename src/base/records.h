#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

namespace orca {

// Position of the first CR or LF at or after `from`, or the text's size.
std::size_t FindLineEnd(std::string_view text, std::size_t from);

// Splits text into records: CR LF, a lone CR and a lone LF each end a
// record; a last line without a line end is a record too. An `f` that
// returns a bool stops the splitting by returning false.
template <typename F>
void ForEachRecord(std::string_view text, F&& f) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        const std::size_t end = FindLineEnd(text, pos);
        if constexpr (std::is_same_v<decltype(f(text.substr(pos, end - pos))), bool>) {
            if (!f(text.substr(pos, end - pos))) break;
        } else {
            f(text.substr(pos, end - pos));
        }
        if (end >= n) break;
        pos = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
}

}  // namespace orca
