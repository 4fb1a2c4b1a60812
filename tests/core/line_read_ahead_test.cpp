#include "nc/line_read_ahead.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/guarded.h"
#include "base/records.h"
#include "nc/standard_words.h"

using namespace orca;

namespace {

// A program of `count` lines of every kind the readings tell apart: words,
// comments, an overflowing number, lower case, blanks and an empty line.
std::string MixedProgram(int count) {
    static const char* const kinds[] = {
        "G01 X%d.5 Y-%d R2",        "(COMMENT X%d Y%d)", "g2 x%d y%d i1 (X9)", "X1E999 Y%d%d", "",
        "G81 X %d Y%d Z-1. L3 ; X7"};
    std::string text;
    char line[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, kinds[i % 6], i, i + 1);
        text += line;
        text += i % 7 == 0 ? "\n" : "\r\n";
    }
    return text;
}

// What a pass sees of a line: whether it is read and the values of the words.
std::string Seen(const ProgramLine& line) {
    std::string seen(line.record);
    seen += line.skipped ? " skipped" : " read";
    if (line.skipped) return seen;
    for (const char c : {'G', 'X', 'Y', 'Z', 'I', 'R', 'L'}) {
        if (!line.words.has(c)) continue;
        const auto value = Guarded([&] { return line.words.word(c); });
        seen += ' ';
        seen += c;
        seen += value ? std::to_string(*value) : std::string("overflow");
    }
    return seen + " g" + std::to_string(line.words.gcodes());
}

// Lines read ahead are the lines read one by one, in order, through many
// turns of the reader's batches, in both readings.
TEST(LineReadAhead, GivesEveryLineAsReadOneByOne) {
    const std::string text = MixedProgram(5000);
    for (const bool standard : {false, true}) {
        std::vector<std::string> expected;
        // Read lazily, word by word, as a single line is.
        ForEachRecord(text, [&](std::string_view record) {
            ProgramLine line{record};
            line.skipped = !standard && record.starts_with('(');
            if (!line.skipped)
                line.words = standard ? ReadStandardLine(record) : NcLine(WithoutComment(record));
            expected.push_back(Seen(line));
        });
        Records records(text);
        LineReadAhead lines([&](std::string_view& record, std::size_t&) { return records.next(record); },
                            standard);
        std::size_t k = 0;
        while (const ProgramLine* line = lines.next()) {
            ASSERT_LT(k, expected.size());
            ASSERT_EQ(Seen(*line), expected[k]) << "line " << k << (standard ? " standard" : "");
            ++k;
        }
        EXPECT_EQ(k, expected.size());
        EXPECT_EQ(lines.next(), nullptr);
    }
}

// A pass that stops early (a cancel, a stopped draw) leaves at once, and an
// empty text gives no line.
TEST(LineReadAhead, StopsWhereThePassStopsAndEndsOnEmptyText) {
    const std::string text = MixedProgram(100000);
    for (int taken : {0, 1, 300, 2000}) {
        Records records(text);
        LineReadAhead lines([&](std::string_view& record, std::size_t&) { return records.next(record); },
                            false);
        for (int i = 0; i < taken; ++i) ASSERT_NE(lines.next(), nullptr);
    }
    Records none("");
    LineReadAhead lines([&](std::string_view& record, std::size_t&) { return none.next(record); }, false);
    EXPECT_EQ(lines.next(), nullptr);
}

// A failure of the splitting reaches the pass after the lines before it.
TEST(LineReadAhead, RaisesTheSplittersFailureInOrder) {
    int given = 0;
    LineReadAhead lines(
        [&](std::string_view& record, std::size_t& breaks) {
            if (given == 700) throw std::runtime_error("split");
            record = "G01 X1.";
            breaks = static_cast<std::size_t>(given++ % 3);
            return true;
        },
        false);
    for (int i = 0; i < 700; ++i) {
        const ProgramLine* line = lines.next();
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->innerBreaks, static_cast<std::size_t>(i % 3));
    }
    EXPECT_THROW(static_cast<void>(lines.next()), std::runtime_error);
}

}  // namespace
