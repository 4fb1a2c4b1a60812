#pragma once

#include <string_view>

#include "nc/line_words.h"

namespace orca {

// The standard reading of a program line, as most CAM systems and controls
// write it: a word is a letter of either case followed by a number (blanks
// allowed in between), G-codes are read by value (G0, G00 and G000 are all
// G00; G900 is no G-code), text inside parentheses is skipped wherever it
// stands (to the end of the line when the parenthesis stays open), and ";"
// ends the line. A letter followed by "[" or "#" marks the line as holding
// an expression or a variable.
NcLine ReadStandardLine(std::string_view text);
// The same, read into `line` in place.
void ReadStandardLine(std::string_view text, NcLine& line);

}  // namespace orca
