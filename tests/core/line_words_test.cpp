#include "nc/line_words.h"

#include <gtest/gtest.h>

#include "base/guarded.h"
#include "nc/number_rule.h"
#include "nc/program_line.h"

using namespace orca;

namespace {
NcModalState at(double x, double y, std::int16_t inc = 0) {
    NcModalState st;
    st.CurX = x;
    st.CurY = y;
    st.IncFlag = inc;
    return st;
}
}  // namespace

TEST(LineWords, StrictAndPositionReadersInAbsoluteAndIncrementalMode) {
    const NcModalState abs = at(0, 0);
    const NcLine line("G01 X10. Y-5.5");
    EXPECT_EQ(XValGet(line, abs), 10.0);
    EXPECT_EQ(YValGet(line, abs), -5.5);

    const NcModalState inc = at(10, 3, 1);
    const NcLine move("G01 X5");
    EXPECT_EQ(XValGet(move, inc), 15.0);
    EXPECT_EQ(XPosGet(move, inc), 15.0);
    EXPECT_EQ(YValGet(move, inc), MISSING_VALUE);
    EXPECT_EQ(YPosGet(move, inc), 3.0);
    // Only the exact value 1 means incremental.
    EXPECT_EQ(XValGet(move, at(10, 0, -1)), 5.0);
}

TEST(LineWords, LettersAreFoundCaseSensitivelyAnywhere) {
    const NcModalState st = at(0, 0);
    EXPECT_EQ(XValGet(NcLine("g01 x10"), st), MISSING_VALUE);
    EXPECT_EQ(XValGet(NcLine("G01 X"), st), 0.0);
    EXPECT_EQ(XValGet(NcLine("G01 XY5"), st), 0.0);
    EXPECT_EQ(YValGet(NcLine("G41 G01 X10. Y5. D01"), st), 50.0);
    EXPECT_EQ(XValGet(NcLine("G41 G01 X10. Y5. D01"), st), 10.0);
    EXPECT_EQ(XValGet(NcLine("X1 2Y3"), st), 12.0);
    // The first occurrence counts, also one inside a comment.
    EXPECT_EQ(XValGet(NcLine("(MOVE X) X20."), st), 0.0);
    // 99999.999 is indistinguishable from an absent word.
    EXPECT_EQ(XValGet(NcLine("X99999.999"), st), MISSING_VALUE);
}

TEST(LineWords, GCodesByTheirThreeCharacterForm) {
    const NcLine line("G900 G01G81 g02 G2 G0");
    EXPECT_TRUE(line.hasG(GCode::G90));
    EXPECT_TRUE(line.hasG(GCode::G01));
    EXPECT_TRUE(line.hasG(GCode::G81));
    EXPECT_FALSE(line.hasG(GCode::G02));
    EXPECT_FALSE(line.hasG(GCode::G00));
    EXPECT_TRUE(NcLine("N10G28X0").hasG(GCode::G28));
    EXPECT_FALSE(NcLine("G0").hasG(GCode::G00));
}

TEST(LineWords, RadiusFromRWithSignOrFromCentreOffsets) {
    EXPECT_EQ(RadiusGet(NcLine("G02 X10. Y0 I5."), at(0, 0)), 5.0);
    EXPECT_EQ(RadiusGet(NcLine("G03 X0 Y10. R-10."), at(0, 0)), -10.0);
    // R is never incremental-adjusted; I/J are offsets from the start.
    EXPECT_EQ(RadiusGet(NcLine("G03 R4."), at(7, 7, 1)), 4.0);
    EXPECT_EQ(RadiusGet(NcLine("G02 X3. Y4."), at(0, 0)), 5.0);
}

TEST(LineWords, ANumberTooLargeForADoubleIsAFault) {
    const NcModalState st = at(0, 0);
    EXPECT_THROW(XValGet(NcLine("X1E999"), st), ArithmeticFault);
    EXPECT_THROW(XPosGet(NcLine("X1E308"), at(1e308, 0, 1)), ArithmeticFault);
    EXPECT_EQ(YValGet(NcLine("X1E999 Y2"), st), 2.0);
}

TEST(LineWords, OneScanAgreesWithAFreshSearchForEveryLetterAndCode) {
    // Lines of every length around the scan's block size, letters and
    // comments anywhere; the line read before its comment agrees with a
    // search of the text the comment is cut from.
    const std::string alphabet = "GXYRIJ0123456789.- (";
    std::uint32_t seed = 7;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    const char* codes[] = {"G00", "G01", "G02", "G03", "G28", "G80", "G81", "G82", "G83",
                           "G84", "G85", "G86", "G87", "G88", "G89", "G90", "G91"};
    const auto agrees = [&](const NcLine& line, std::string_view text) {
        for (char letter : std::string("XYRIJ")) {
            const std::size_t at = text.find(letter);
            ASSERT_EQ(line.has(letter), at != std::string::npos) << text;
            if (at != std::string::npos) {
                const NumberReading expected = ParseNumber(text.substr(at + 1));
                if (!expected.overflow) {
                    ASSERT_EQ(line.word(letter), expected.value) << text;
                }
            }
        }
        for (int c = 0; c < 17; ++c) {
            ASSERT_EQ(line.hasG(static_cast<GCode>(c)), text.find(codes[c]) != std::string::npos) << text;
        }
        ASSERT_EQ(line.text(), text);
    };
    NcLine beforeComment("");
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const std::size_t length = next() % 70;
        for (std::size_t k = 0; k < length; ++k) {
            // Comments are rarer than letters, so some lines run long before one.
            const std::size_t pick = (next() >> 8) % (alphabet.size() * 4);
            text += pick < alphabet.size() * 4 - 3 ? alphabet[pick % (alphabet.size() - 1)] : '(';
        }
        agrees(NcLine(text), text);
        beforeComment.readBeforeComment(text);
        agrees(beforeComment, std::string_view(text).substr(0, text.find('(')));
    }
}

// A pass reads every line into the same object: nothing of the line before
// may show through, in either reading.
TEST(LineWords, ALineReadInPlaceKeepsNothingOfTheLineBefore) {
    ProgramLine line;
    const auto read = [&](std::string_view text, bool standard) {
        line.record = text;
        ReadProgramLine(line, standard);
        return &line.words;
    };
    const NcLine* words = read("G02 X1. Y2. R3. I4.", false);
    EXPECT_EQ(words->word('R'), 3.0);
    EXPECT_EQ(words->word('Y'), 2.0);
    words = read("G01 X5.", false);
    EXPECT_TRUE(words->hasG(GCode::G01));
    EXPECT_FALSE(words->hasG(GCode::G02));
    EXPECT_FALSE(words->has('Y'));
    EXPECT_FALSE(words->has('R'));
    EXPECT_EQ(words->word('X'), 5.0);
    EXPECT_EQ(words->word('R'), 0.0);

    words = read("X1E999", false);
    EXPECT_THROW(static_cast<void>(words->word('X')), ArithmeticFault);
    words = read("X2.", false);
    EXPECT_EQ(words->word('X'), 2.0);

    words = read("x[1+2] y3", true);
    EXPECT_TRUE(words->hasExpression());
    words = read("g2 x7 y8 r1", true);
    EXPECT_FALSE(words->hasExpression());
    EXPECT_TRUE(words->hasG(GCode::G02));
    EXPECT_EQ(words->word('Y'), 8.0);

    read("(X9 Y9)", false);
    EXPECT_TRUE(line.skipped);
    read("(X9) G00 X3.", true);
    EXPECT_FALSE(line.skipped);
    EXPECT_EQ(line.words.word('X'), 3.0);
}
