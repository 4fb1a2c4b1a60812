#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "nc/nc_modal_state.h"

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

    std::string_view text() const { return text_; }
    bool has(char capital) const { return first_[index(capital)] != kAbsent; }
    bool hasG(GCode code) const { return (gcodes_ >> static_cast<unsigned>(code)) & 1u; }
    // The G-codes of the line, one bit each at the position of its GCode.
    std::uint32_t gcodes() const { return gcodes_; }
    // Value of the first word of that letter (0 when no digit follows);
    // raises ArithmeticFault when the number does not fit a double.
    double word(char capital) const;
    // Standard reading only: a word's value is an expression or a variable,
    // so the line's move cannot be known.
    bool hasExpression() const { return expression_; }

private:
    friend NcLine ReadStandardLine(std::string_view text);
    using NumberReader = double (*)(std::string_view);
    NcLine(std::string_view text, NumberReader reader);

    static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;
    static int index(char capital) { return capital - 'A'; }
    void noteCapital(std::size_t i);

    std::string_view text_;
    NumberReader readNumber_;  // reads the value text after a word's letter
    std::array<std::uint32_t, 26> first_{};
    mutable std::array<double, 26> value_;  // valid where valueRead_ has its bit
    mutable std::uint32_t valueRead_ = 0;
    std::uint32_t gcodes_ = 0;
    bool expression_ = false;
};

// The line up to its first "(": what follows is a comment, and both passes
// read the same words.
inline std::string_view WithoutComment(std::string_view text) { return text.substr(0, text.find('(')); }

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
