#pragma once

#include <string_view>

#include "base/rounding.h"

namespace orca {

struct NumberReading {
    double value = 0.0;     // 0 when no digit was read
    bool overflow = false;  // the number does not fit a double; value is 0 then
};

// Reads the number at the start of `text`: blanks, tabs and line feeds are
// skipped anywhere, an optional sign, digits with at most one decimal point,
// an optional exponent introduced by E or D (either case), or a hexadecimal
// (&H) or octal (&O) whole number. Reading stops at the first character that
// cannot continue the number and never fails on bad text.
NumberReading ParseNumber(std::string_view text);

// The number of a word in the standard reading: the same without exponents
// and without &H/&O, so the next letter always starts the next word
// ("Y5.D01" is Y5. and D01).
NumberReading ParseWordNumber(std::string_view text);

// A number-rule value as a 16-bit signed integer (halves to even); false when
// the text holds a number that does not fit.
[[nodiscard]] bool ToInt16(double v, short& out);

}  // namespace orca
