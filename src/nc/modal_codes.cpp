#include "nc/modal_codes.h"

#include "nc/line_words.h"

namespace orca {

void ApplyToolPathCodes(const NcLine& line, NcModalState& st) {
    const auto motion = [&st](MotionModeValue mode) {
        st.MotionMode = mode;
        st.CannedCode = kNoCycle;
    };
    if (line.hasG(GCode::G00)) motion(kMotionRapid);
    if (line.hasG(GCode::G01)) motion(kMotionLinear);
    if (line.hasG(GCode::G02)) motion(kMotionClockwise);
    if (line.hasG(GCode::G03)) motion(kMotionCounterClockwise);
    if (line.hasG(GCode::G28)) motion(kMotionRapid);
    for (int code = kFirstCycle; code <= kLastCycle; ++code) {
        if (line.hasG(static_cast<GCode>(static_cast<int>(GCode::G81) + code - kFirstCycle))) {
            st.CannedCode = static_cast<std::int16_t>(code);
        }
    }
    if (line.hasG(GCode::G80)) st.CannedCode = kNoCycle;
    if (line.hasG(GCode::G90)) st.IncFlag = kAbsolute;
    if (line.hasG(GCode::G91)) st.IncFlag = kIncremental;
}

void ApplyPlaneCodes(const NcLine& line, NcModalState& st) {
    if (line.hasG(GCode::G17)) st.Plane = kPlaneXY;
    if (line.hasG(GCode::G18)) st.Plane = kPlaneXZ;
    if (line.hasG(GCode::G19)) st.Plane = kPlaneYZ;
}

}  // namespace orca
