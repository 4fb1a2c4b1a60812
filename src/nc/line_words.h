#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "nc/nc_modal_state.h"
#include "nc/number_rule.h"

namespace orca {

// The double nearest to 99999.999 stands for an absent word.
inline constexpr double MISSING_VALUE = 99999.999;

// The G-codes the passes recognise: in the default reading by their
// three-character form anywhere in a line, in the standard reading by the
// value of a G word. Only the standard reading knows the planes.
enum class GCode : std::uint8_t {
    G00,
    G01,
    G02,
    G03,
    G28,
    G80,
    G81,
    G82,
    G83,
    G84,
    G85,
    G86,
    G87,
    G88,
    G89,
    G90,
    G91,
    G17,
    G18,
    G19,
};

// One scan of a program line: where the first word of each letter stands
// and which G-codes occur. Word values are read lazily and kept, so every
// reader call on the same line gives exactly what a fresh search would.
//
// The default reading (this constructor) finds each capital letter anywhere
// in the text and reads its value by the whole number rule; the standard
// reading (ReadStandardLine) builds the same object from real words.
class NcLine {
public:
    explicit NcLine(std::string_view text);
    // Reads afresh, in place, the text before the first "(" of `text`: what
    // follows is a comment, and both passes of the default reading read the
    // same words.
    void readBeforeComment(std::string_view text);

    std::string_view text() const { return text_; }
    bool has(char capital) const { return (present_ >> index(capital)) & 1u; }
    bool hasG(GCode code) const { return (gcodes_ >> static_cast<unsigned>(code)) & 1u; }
    // The G-codes of the line, one bit each at the position of its GCode.
    std::uint32_t gcodes() const { return gcodes_; }
    // Value of the first word of that letter (0 when no digit follows, or
    // without such a word); raises ArithmeticFault when the number does not
    // fit a double.
    double word(char capital) const;
    // Standard reading only: a word's value is an expression or a variable,
    // so the line's move cannot be known.
    bool hasExpression() const { return expression_; }

private:
    friend void ReadStandardLine(std::string_view text, NcLine& line);
    using NumberReader = NumberReading (*)(std::string_view);
    // Forgets the line read before: no word, no G-code.
    void start(std::string_view text, NumberReader reader);
    static int index(char capital) { return capital - 'A'; }
    // Notes the word whose letter stands at `at`, unless the line has one
    // of that letter already.
    void noteWord(int k, std::size_t at);
    void noteCapital(std::size_t i);
    template <bool kStopAtComment>
    void scan(std::string_view text);
    void readValue(int k) const;

    // A pass reads every program line afresh into the same object: only
    // these masks are cleared, never the arrays.
    std::string_view text_;
    NumberReader readNumber_ = ParseNumber;  // reads the value text after a word's letter
    std::uint32_t present_ = 0;              // the letters that have a word, one bit each
    std::uint32_t gcodes_ = 0;
    mutable std::uint32_t valueRead_ = 0;  // values read, one bit per letter
    mutable std::uint32_t overflow_ = 0;   // values read that do not fit a double
    bool expression_ = false;
    mutable std::array<double, 26> value_{};  // valid where valueRead_ has the letter's bit
    std::array<std::uint32_t, 26> first_{};   // where the first word of a letter in present_ stands
};

// The X (Y) the line moves to, absolute (G91 adds the current position),
// or MISSING_VALUE when the line has no X (Y) word.
double XValGet(const NcLine& line, const NcModalState& st);
double YValGet(const NcLine& line, const NcModalState& st);
// The same, but the current position when the word is absent.
double XPosGet(const NcLine& line, const NcModalState& st);
double YPosGet(const NcLine& line, const NcModalState& st);
// The arc's radius: R as written (its sign chooses the centre), else the
// distance from the I/J centre to the end point.
double RadiusGet(const NcLine& line, const NcModalState& st);

}  // namespace orca
