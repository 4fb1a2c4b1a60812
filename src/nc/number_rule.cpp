#include "nc/number_rule.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orca {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Skips blanks and returns the next character, or 0 at the end.
char peek(std::string_view text, std::size_t& i) {
    while (i < text.size() && isSkipped(text[i])) ++i;
    return i < text.size() ? text[i] : '\0';
}

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    return v < base ? v : -1;
}

NumberReading readRadixInteger(std::string_view text, std::size_t i, int base) {
    double value = 0.0;
    for (char c = peek(text, i); digitValue(c, base) >= 0; c = peek(text, ++i)) {
        value = value * base + digitValue(c, base);
        if (!std::isfinite(value)) return {0.0, true};
    }
    return {value, false};
}

constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Digits kept beyond what any double needs for correct rounding.
constexpr int kMaxKeptDigits = 800;

}  // namespace

namespace {

// Decimal digits, one point and an exponent, blanks skipped: the digits are
// kept as text for the rare number that needs a full conversion.
struct DecimalScan {
    std::uint64_t mantissa = 0;  // first 19 significant digits
    int kept = 0;                // significant digits seen (capped)
    long long exponent10 = 0;    // power of ten of the last kept digit
    bool anyDigit = false;
};

template <bool kKeepText, bool kExponent>
DecimalScan scanDecimal(std::string_view text, std::size_t i, char* digits) {
    DecimalScan d;
    bool seenPoint = false;
    const std::size_t n = text.size();
    for (; i < n; ++i) {
        const char c = text[i];
        const unsigned digit = static_cast<unsigned char>(c) - static_cast<unsigned>('0');
        if (digit < 10) {
            d.anyDigit = true;
            if (d.kept == 0 && digit == 0) {
                if (seenPoint) --d.exponent10;
            } else if (d.kept < kMaxKeptDigits) {
                if constexpr (kKeepText) digits[d.kept] = c;
                ++d.kept;
                if (d.kept <= 19) d.mantissa = d.mantissa * 10 + digit;
                if (seenPoint) --d.exponent10;
            } else if (!seenPoint) {
                ++d.exponent10;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (!isSkipped(c)) {
            break;
        }
    }
    if (kExponent && i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        char c = peek(text, ++i);
        bool negative = false;
        if (c == '+' || c == '-') {
            negative = c == '-';
            c = peek(text, ++i);
        }
        long long e = 0;
        for (; c >= '0' && c <= '9'; c = peek(text, ++i)) {
            if (e < 100000000) e = e * 10 + (c - '0');
        }
        d.exponent10 += negative ? -e : e;
    }
    return d;
}

// Full conversion of the kept digits; far outside the double range there is
// nothing to convert.
NumberReading convertDigits(const char* digits, const DecimalScan& d) {
    const long long magnitude = d.kept + d.exponent10;
    if (magnitude > 310) return {0.0, true};
    if (magnitude < -330) return {};
    char buffer[kMaxKeptDigits + 32];
    std::size_t n = 0;
    for (int k = 0; k < d.kept; ++k) buffer[n++] = digits[k];
    buffer[n++] = 'e';
    const char* end = std::to_chars(buffer + n, buffer + sizeof buffer, d.exponent10).ptr;
    double value = 0.0;
    if (std::from_chars(buffer, end, value).ec == std::errc::result_out_of_range) {
        return magnitude > 0 ? NumberReading{0.0, true} : NumberReading{};
    }
    return {value, false};
}

// kWholeRule: the rule as a whole, with exponents and &H/&O numbers; without
// it, words are letters and numbers only, so a letter always ends a number.
template <bool kWholeRule>
NumberReading parseNumber(std::string_view text) {
    std::size_t i = 0;
    char c = peek(text, i);
    if (kWholeRule && c == '&' && i + 1 < text.size()) {
        std::size_t j = i + 1;
        const char kind = peek(text, j);
        if (kind == 'H' || kind == 'h') return readRadixInteger(text, j + 1, 16);
        if (kind == 'O' || kind == 'o') return readRadixInteger(text, j + 1, 8);
        return {};
    }

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        ++i;
    }

    // The common form, plain digits with an optional point and at most 15
    // digits in all, is exact in one operation; anything else (blanks,
    // exponents, long numbers) takes the general scan.
    {
        std::uint64_t mantissa = 0;
        int count = 0;
        int fraction = 0;
        std::size_t j = i;
        const std::size_t n = text.size();
        for (; j < n && static_cast<unsigned char>(text[j] - '0') < 10 && count < 16; ++j, ++count) {
            mantissa = mantissa * 10 + static_cast<unsigned>(text[j] - '0');
        }
        if (j < n && text[j] == '.') {
            for (++j; j < n && static_cast<unsigned char>(text[j] - '0') < 10 && count < 16; ++j, ++count) {
                mantissa = mantissa * 10 + static_cast<unsigned>(text[j] - '0');
                ++fraction;
            }
        }
        // Blanks may stand inside a number, so what follows them decides.
        const char next = j < n ? peek(text, j) : '\0';
        const bool plain = count <= 15 && (next < '0' || next > '9') && next != '.' &&
                           (!kWholeRule || (next != 'E' && next != 'e' && next != 'D' && next != 'd'));
        if (plain) {
            if (count == 0 || mantissa == 0) return {};
            const double m = static_cast<double>(mantissa);
            const double v = fraction == 0 ? m : m / kExactPowers[fraction];
            return {negative ? -v : v, false};
        }
    }

    const DecimalScan d = scanDecimal<false, kWholeRule>(text, i, nullptr);
    if (!d.anyDigit || d.kept == 0) return {};

    NumberReading r;
    if (d.kept <= 15 && d.exponent10 >= -22 && d.exponent10 <= 22) {
        // Both operands are exact, so one operation gives the correctly rounded value.
        const double m = static_cast<double>(d.mantissa);
        r.value = d.exponent10 >= 0 ? m * kExactPowers[d.exponent10] : m / kExactPowers[-d.exponent10];
    } else {
        char digits[kMaxKeptDigits];
        r = convertDigits(digits, scanDecimal<true, kWholeRule>(text, i, digits));
        if (r.overflow) return r;
    }
    if (!std::isfinite(r.value)) return {0.0, true};
    if (negative) r.value = -r.value;
    return r;
}

}  // namespace

NumberReading ParseNumber(std::string_view text) { return parseNumber<true>(text); }

NumberReading ParseWordNumber(std::string_view text) { return parseNumber<false>(text); }

bool ToInt16(double v, short& out) {
    if (!std::isfinite(v)) return false;
    const double r = RoundHalfEven(v);
    if (r < std::numeric_limits<short>::min() || r > std::numeric_limits<short>::max()) return false;
    out = static_cast<short>(r);
    return true;
}

}  // namespace orca
