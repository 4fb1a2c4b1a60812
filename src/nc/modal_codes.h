#pragma once

#include "nc/line_words.h"

namespace orca {

// Both run on every line of a pass, so they are inline.

// The G-codes of a line in the tool-path pass's table order, so that a later
// code of the same group wins: motion (which ends a cycle), the cycles, G80,
// then the coordinate mode.
inline void ApplyToolPathCodes(const NcLine& line, NcModalState& st) {
    const auto motion = [&st](MotionModeValue mode) {
        st.MotionMode = mode;
        st.CannedCode = kNoCycle;
    };
    if (line.hasG(GCode::G00)) motion(kMotionRapid);
    if (line.hasG(GCode::G01)) motion(kMotionLinear);
    if (line.hasG(GCode::G02)) motion(kMotionClockwise);
    if (line.hasG(GCode::G03)) motion(kMotionCounterClockwise);
    if (line.hasG(GCode::G28)) motion(kMotionRapid);
    // Of several cycles on one line the last of the table, the highest, wins.
    constexpr unsigned kFirstCycleBit = static_cast<unsigned>(GCode::G81);
    const std::uint32_t cycles =
        (line.gcodes() >> kFirstCycleBit) & ((1u << (kLastCycle - kFirstCycle + 1)) - 1);
    if (cycles != 0) st.CannedCode = static_cast<std::int16_t>(kFirstCycle + 31 - __builtin_clz(cycles));
    if (line.hasG(GCode::G80)) st.CannedCode = kNoCycle;
    if (line.hasG(GCode::G90)) st.IncFlag = kAbsolute;
    if (line.hasG(GCode::G91)) st.IncFlag = kIncremental;
}

// G17, G18 and G19, in that order.
inline void ApplyPlaneCodes(const NcLine& line, NcModalState& st) {
    if (line.hasG(GCode::G17)) st.Plane = kPlaneXY;
    if (line.hasG(GCode::G18)) st.Plane = kPlaneXZ;
    if (line.hasG(GCode::G19)) st.Plane = kPlaneYZ;
}

}  // namespace orca
