#pragma once

#include <string_view>

#include "nc/line_words.h"

namespace orca {

// A program line as both passes take it: the record as split from the
// text and its words in the chosen reading. The default reading passes over
// a line that opens with "(" without reading it.
struct ProgramLine {
    std::string_view record;
    bool skipped = true;
    NcLine words{std::string_view()};
};

// Reads the record's words, in place: a pass reads every line into the same
// one.
void ReadProgramLine(ProgramLine& line, bool standardReading);

// Reads `text` as one line and hands its words to `pass`, unless the
// reading passes over the line.
template <typename Pass>
void PassOnText(std::string_view text, bool standardReading, Pass&& pass) {
    ProgramLine line{text};
    ReadProgramLine(line, standardReading);
    if (!line.skipped) pass(line.words);
}

}  // namespace orca
