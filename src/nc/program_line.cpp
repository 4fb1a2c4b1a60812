#include "nc/program_line.h"

#include "nc/standard_words.h"

namespace orca {

void ReadProgramLine(ProgramLine& line, bool standardReading) {
    const std::string_view text = line.record;
    if (standardReading) {
        line.skipped = false;
        ReadStandardLine(text, line.words);
    } else {
        line.skipped = !text.empty() && text.front() == '(';
        if (line.skipped) return;
        line.words.readBeforeComment(text);
    }
}

}  // namespace orca
