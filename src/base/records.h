#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orca {

// Position of the first CR or LF at or after `from`, or the text's size.
// Inline: every pass calls it once a line.
inline std::size_t FindLineEnd(std::string_view text, std::size_t from) {
    const std::size_t n = text.size();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const int mask =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (i < n && text[i] != '\r' && text[i] != '\n') ++i;
    return i;
}

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
