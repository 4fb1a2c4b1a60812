#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "nc/nc_modal_state.h"

namespace orca {

// The double nearest to 99999.999 stands for an absent word.
inline constexpr double MISSING_VALUE = 99999.999;

// The three-character G-codes the passes recognise anywhere in a line.
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
};

// One scan of a program line: where each capital letter first occurs and
// which G-codes occur. Word values are read lazily and kept, so every reader
// call on the same line gives exactly what a fresh search would.
class NcLine {
public:
    explicit NcLine(std::string_view text);

    std::string_view text() const { return text_; }
    bool has(char capital) const { return first_[index(capital)] != kAbsent; }
    bool hasG(GCode code) const { return (gcodes_ >> static_cast<unsigned>(code)) & 1u; }
    // Value of the first word of that letter (0 when no digit follows);
    // raises ArithmeticFault when the number does not fit a double.
    double word(char capital) const;

private:
    static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;
    static int index(char capital) { return capital - 'A'; }
    void noteCapital(std::size_t i);

    std::string_view text_;
    std::array<std::uint32_t, 26> first_{};
    mutable std::array<double, 26> value_;  // valid where valueRead_ has its bit
    mutable std::uint32_t valueRead_ = 0;
    std::uint32_t gcodes_ = 0;
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
