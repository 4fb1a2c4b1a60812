#include "nc/arc_words.h"

#include <cmath>

#include "base/guarded.h"
#include "base/message_sink.h"
#include "nc/line_words.h"

namespace orca {
namespace {

std::optional<PlanePoint> centreOf(const NcLine& line, const NcModalState& st) {
    const PlanePoint start{st.CurX, st.CurY};
    const PlanePoint end{XPosGet(line, st), YPosGet(line, st)};
    if (line.has('R')) return ArcCentreByRadius(start, end, line.word('R'), ArcTurnOf(st));
    const double i = line.has('I') ? line.word('I') : 0.0;
    const double j = line.has('J') ? line.word('J') : 0.0;
    return ArcCentreByOffsets(start, i, j);
}

}  // namespace

ArcTurn ArcTurnOf(const NcModalState& st) {
    return st.MotionMode == kMotionClockwise ? ArcTurn::Clockwise : ArcTurn::CounterClockwise;
}

bool G02G03XcYcGet_Sub(const NcLine& line, const NcModalState& st, MessageSink& messages, double& xc,
                       double& yc) {
    // A word that does not fit a double fails the centre like its arithmetic.
    const std::optional<PlanePoint> centre =
        Guarded([&] { return centreOf(line, st); }).value_or(std::nullopt);
    if (!centre) {
        messages.showMessage(kCalcErrorMessage);
        return false;
    }
    xc = centre->x;
    yc = centre->y;
    return true;
}

LineArcSweep ArcSweepGet(const NcLine& line, const NcModalState& st, MessageSink& messages) {
    const PlanePoint start{st.CurX, st.CurY};
    const PlanePoint end{XPosGet(line, st), YPosGet(line, st)};
    const double r = RadiusGet(line, st);
    PlanePoint centre{0, 0};
    const bool centreFailed = !G02G03XcYcGet_Sub(line, st, messages, centre.x, centre.y);
    return {ArcSweepOf(start, end, r, centre, ArcTurnOf(st)), centreFailed};
}

}  // namespace orca
