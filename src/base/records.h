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
// record; a last line without a line end is a record too.
class Records {
public:
    explicit Records(std::string_view text) : text_(text) {}

    // The next record; false after the last.
    bool next(std::string_view& record) {
        const std::size_t n = text_.size();
        if (pos_ >= n) return false;
        const std::size_t end = FindLineEnd(text_, pos_);
        record = text_.substr(pos_, end - pos_);
        if (end >= n) {
            pos_ = n;
        } else {
            pos_ = end + ((text_[end] == '\r' && end + 1 < n && text_[end + 1] == '\n') ? 2 : 1);
        }
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Calls `f` on every record in turn. An `f` that returns a bool stops the
// splitting by returning false.
template <typename F>
void ForEachRecord(std::string_view text, F&& f) {
    Records records(text);
    for (std::string_view record; records.next(record);) {
        if constexpr (std::is_same_v<decltype(f(record)), bool>) {
            if (!f(record)) break;
        } else {
            f(record);
        }
    }
}

}  // namespace orca
