#include "nc/number_rule.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "geometry/guarded.h"

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

NumberReading ParseNumber(std::string_view text) {
    std::size_t i = 0;
    char c = peek(text, i);
    if (c == '&' && i + 1 < text.size()) {
        std::size_t j = i + 1;
        const char kind = peek(text, j);
        if (kind == 'H' || kind == 'h') return readRadixInteger(text, j + 1, 16);
        if (kind == 'O' || kind == 'o') return readRadixInteger(text, j + 1, 8);
        return {};
    }

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = peek(text, ++i);
    }

    // Significant digits (leading zeros dropped) and the power of ten that
    // the last kept digit stands for.
    char digits[kMaxKeptDigits];
    int kept = 0;
    std::uint64_t mantissa = 0;
    long long exponent10 = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (;; c = peek(text, ++i)) {
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (kept == 0 && c == '0') {
                if (seenPoint) --exponent10;
                continue;
            }
            if (kept < kMaxKeptDigits) {
                digits[kept++] = c;
                if (kept <= 19) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
                if (seenPoint) --exponent10;
            } else if (!seenPoint) {
                ++exponent10;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit || kept == 0) return {};

    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        c = peek(text, ++i);
        bool expNegative = false;
        if (c == '+' || c == '-') {
            expNegative = c == '-';
            c = peek(text, ++i);
        }
        long long e = 0;
        for (; c >= '0' && c <= '9'; c = peek(text, ++i)) {
            if (e < 100000000) e = e * 10 + (c - '0');
        }
        exponent10 += expNegative ? -e : e;
    }

    double value;
    if (kept <= 15 && exponent10 >= -22 && exponent10 <= 22) {
        // Both operands are exact, so one operation gives the correctly rounded value.
        const double m = static_cast<double>(mantissa);
        value = exponent10 >= 0 ? m * kExactPowers[exponent10] : m / kExactPowers[-exponent10];
    } else {
        // Magnitude is about 10^(kept + exponent10); far outside the double range
        // there is nothing to convert.
        const long long magnitude = kept + exponent10;
        if (magnitude > 310) return {0.0, true};
        if (magnitude < -330) return {};
        char buffer[kMaxKeptDigits + 32];
        std::size_t n = 0;
        for (int d = 0; d < kept; ++d) buffer[n++] = digits[d];
        buffer[n++] = 'e';
        const auto [end, ec] = std::to_chars(buffer + n, buffer + sizeof buffer, exponent10);
        (void)ec;
        const auto result = std::from_chars(buffer, end, value);
        if (result.ec == std::errc::result_out_of_range) {
            if (magnitude > 0) return {0.0, true};
            return {};
        }
    }
    if (!std::isfinite(value)) return {0.0, true};
    return {negative ? -value : value, false};
}

double ReadNumber(std::string_view text) {
    const NumberReading r = ParseNumber(text);
    if (r.overflow) throw ArithmeticFault{};
    return r.value;
}

double RoundHalfEven(double v) { return std::nearbyint(v); }

bool ToInt16(double v, short& out) {
    if (!std::isfinite(v)) return false;
    const double r = RoundHalfEven(v);
    if (r < std::numeric_limits<short>::min() || r > std::numeric_limits<short>::max()) return false;
    out = static_cast<short>(r);
    return true;
}

}  // namespace orca
