#include "nc/line_words.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "base/guarded.h"
#include "geometry/angles.h"
#include "nc/number_rule.h"

namespace orca {
namespace {

// The G-code whose three-character form starts with "G" d1 d2, if any.
int gcodeBit(char d1, char d2) {
    if (d2 < '0' || d2 > '9') return -1;
    switch (d1) {
        case '0':
            return d2 <= '3' ? static_cast<int>(GCode::G00) + (d2 - '0') : -1;
        case '2':
            return d2 == '8' ? static_cast<int>(GCode::G28) : -1;
        case '8':
            return static_cast<int>(GCode::G80) + (d2 - '0');
        case '9':
            return d2 <= '1' ? static_cast<int>(GCode::G90) + (d2 - '0') : -1;
        default:
            return -1;
    }
}

}  // namespace

void NcLine::noteWord(int k, std::size_t at) {
    const std::uint32_t bit = 1u << k;
    if (present_ & bit) return;
    present_ |= bit;
    first_[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(at);
}

void NcLine::noteCapital(std::size_t i) {
    const char c = text_[i];
    noteWord(index(c), i);
    if (c == 'G' && i + 2 < text_.size()) {
        const int bit = gcodeBit(text_[i + 1], text_[i + 2]);
        if (bit >= 0) gcodes_ |= 1u << bit;
    }
}

void NcLine::start(std::string_view text, NumberReader reader) {
    text_ = text;
    readNumber_ = reader;
    present_ = 0;
    gcodes_ = 0;
    valueRead_ = 0;
    overflow_ = 0;
    expression_ = false;
}

NcLine::NcLine(std::string_view text) { scan<false>(text); }

void NcLine::readBeforeComment(std::string_view text) { scan<true>(text); }

template <bool kStopAtComment>
void NcLine::scan(std::string_view text) {
    start(text, ParseNumber);
    const std::size_t n = text.size();
    std::size_t i = 0;
    // The comment's "(" ends the text; the capitals before it are all noted.
    const auto endAt = [&](std::size_t paren) { text_ = text.substr(0, paren); };
#if defined(__SSE2__)
    // Sixteen characters at a time: most of a line is digits and blanks, so
    // only the capital letters are visited one by one. False once the
    // comment is found.
    const __m128i below = _mm_set1_epi8('A' - 1);
    const __m128i above = _mm_set1_epi8('Z' + 1);
    const auto capitals = [&](std::size_t base, unsigned keep) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + base));
        const __m128i capital = _mm_and_si128(_mm_cmpgt_epi8(chunk, below), _mm_cmplt_epi8(chunk, above));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(capital)) & keep;
        unsigned parens = 0;
        if constexpr (kStopAtComment) {
            parens =
                static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, _mm_set1_epi8('(')))) & keep;
            mask &= (parens & (0u - parens)) - 1;  // the capitals before the first "(", if any
        }
        for (; mask != 0; mask &= mask - 1) noteCapital(base + static_cast<std::size_t>(__builtin_ctz(mask)));
        if (parens == 0) return true;
        endAt(base + static_cast<std::size_t>(__builtin_ctz(parens)));
        return false;
    };
    if (n >= 16) {
        for (; i + 16 <= n; i += 16) {
            if (!capitals(i, 0xFFFFu)) return;
        }
        // The last block overlaps the one before; only its new positions count.
        if (i < n) static_cast<void>(capitals(n - 16, 0xFFFFu << (16 - (n - i))));
        return;
    }
#endif
    for (; i < n; ++i) {
        if (kStopAtComment && text[i] == '(') {
            endAt(i);
            return;
        }
        if (text[i] >= 'A' && text[i] <= 'Z') noteCapital(i);
    }
}

void NcLine::readValue(int k) const {
    const NumberReading r = readNumber_(text_.substr(first_[static_cast<std::size_t>(k)] + 1));
    value_[static_cast<std::size_t>(k)] = r.value;
    valueRead_ |= 1u << k;
    if (r.overflow) overflow_ |= 1u << k;
}

double NcLine::word(char capital) const {
    if (!has(capital)) return 0.0;
    const int k = index(capital);
    if (!(valueRead_ & (1u << k))) readValue(k);
    if (overflow_ & (1u << k)) throw ArithmeticFault{};
    return value_[static_cast<std::size_t>(k)];
}

namespace {

double coordinate(const NcLine& line, char letter, double current, const NcModalState& st) {
    const double v = line.word(letter);
    return st.incremental() ? checked(v + current) : v;
}

}  // namespace

double XValGet(const NcLine& line, const NcModalState& st) {
    return line.has('X') ? coordinate(line, 'X', st.CurX, st) : MISSING_VALUE;
}

double YValGet(const NcLine& line, const NcModalState& st) {
    return line.has('Y') ? coordinate(line, 'Y', st.CurY, st) : MISSING_VALUE;
}

double XPosGet(const NcLine& line, const NcModalState& st) {
    return line.has('X') ? coordinate(line, 'X', st.CurX, st) : st.CurX;
}

double YPosGet(const NcLine& line, const NcModalState& st) {
    return line.has('Y') ? coordinate(line, 'Y', st.CurY, st) : st.CurY;
}

double RadiusGet(const NcLine& line, const NcModalState& st) {
    if (line.has('R')) return line.word('R');
    const double i = line.has('I') ? line.word('I') : 0.0;
    const double j = line.has('J') ? line.word('J') : 0.0;
    const double centreX = checked(st.CurX + i);
    const double centreY = checked(st.CurY + j);
    return KyoriGet(centreX, centreY, XPosGet(line, st), YPosGet(line, st));
}

}  // namespace orca
