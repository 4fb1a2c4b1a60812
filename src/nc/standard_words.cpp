#include "nc/standard_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cmath>

#include "nc/number_rule.h"

namespace orca {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isLetter(char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool startsNumber(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-'; }

// The G-code a G word's value names, if any.
int gcodeBit(double value) {
    if (!(value >= 0 && value <= 91) || value != std::floor(value)) return -1;
    const int v = static_cast<int>(value);
    if (v <= 3) return static_cast<int>(GCode::G00) + v;
    if (v >= 17 && v <= 19) return static_cast<int>(GCode::G17) + v - 17;
    if (v == 28) return static_cast<int>(GCode::G28);
    if (v >= 80 && v <= 89) return static_cast<int>(GCode::G80) + v - 80;
    if (v >= 90) return static_cast<int>(GCode::G90) + v - 90;
    return -1;
}

// The value of a G word written as a whole number of up to three digits,
// the way nearly every program writes it, without the number rule's full
// work; -1 for any other form, which the rule reads.
int simpleValue(std::string_view text, std::size_t i) {
    int value = 0;
    int digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (++digits > 3) return -1;
        value = value * 10 + (text[i] - '0');
    }
    if (digits == 0) return -1;
    while (i < text.size() && isBlank(text[i])) ++i;
    if (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) return -1;
    return value;
}

// Where the line's letters, parentheses and semicolons stand among the 16
// characters from `p` (at most `count` of them), one bit each.
unsigned interesting(const char* p, std::size_t count) {
#if defined(__SSE2__)
    if (count >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i folded = _mm_or_si128(chunk, _mm_set1_epi8(0x20));
        const __m128i letter = _mm_and_si128(_mm_cmpgt_epi8(folded, _mm_set1_epi8('a' - 1)),
                                             _mm_cmplt_epi8(folded, _mm_set1_epi8('z' + 1)));
        const __m128i marks = _mm_or_si128(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('(')),
                                           _mm_cmpeq_epi8(chunk, _mm_set1_epi8(';')));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(letter, marks)));
    }
#endif
    unsigned mask = 0;
    const std::size_t n = count < 16 ? count : 16;
    for (std::size_t k = 0; k < n; ++k) {
        if (isLetter(p[k]) || p[k] == '(' || p[k] == ';') mask |= 1u << k;
    }
    return mask;
}

}  // namespace

NcLine ReadStandardLine(std::string_view text) {
    NcLine line{std::string_view()};
    ReadStandardLine(text, line);
    return line;
}

void ReadStandardLine(std::string_view text, NcLine& line) {
    line.start(text, ParseWordNumber);
    const std::size_t n = text.size();
    // Handles the mark at `p`; returns where reading goes on.
    const auto mark = [&](std::size_t p) -> std::size_t {
        const char c = text[p];
        if (c == ';') return n;
        if (c == '(') {
            const std::size_t close = text.find(')', p + 1);
            return close == std::string_view::npos ? n : close + 1;
        }
        std::size_t q = p + 1;
        while (q < n && isBlank(text[q])) ++q;
        if (q == n) return p + 1;
        if (text[q] == '[' || text[q] == '#') {
            line.expression_ = true;
        } else if (startsNumber(text[q])) {
            const char capital = static_cast<char>(c & ~0x20);
            line.noteWord(NcLine::index(capital), p);
            if (capital == 'G') {
                const int simple = simpleValue(text, q);
                const NumberReading value = simple >= 0 ? NumberReading{static_cast<double>(simple), false}
                                                        : ParseWordNumber(text.substr(q));
                const int bit = value.overflow ? -1 : gcodeBit(value.value);
                if (bit >= 0) line.gcodes_ |= 1u << bit;
            }
        }
        return p + 1;
    };

    std::size_t i = 0;
    std::size_t resume = 0;  // marks before it stand inside a comment
    while (i < n) {
        const std::size_t base = i;
        i = base + 16 < n ? base + 16 : n;
        for (unsigned bits = interesting(text.data() + base, n - base); bits != 0; bits &= bits - 1) {
            const std::size_t p = base + static_cast<std::size_t>(__builtin_ctz(bits));
            if (p < resume) continue;
            resume = mark(p);
            if (resume > i) {
                i = resume;
                break;
            }
        }
    }
}

}  // namespace orca
