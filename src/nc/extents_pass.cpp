#include "nc/extents_pass.h"

#include "base/guarded.h"
#include "nc/arc_words.h"
#include "nc/line_words.h"
#include "nc/modal_codes.h"
#include "nc/plot_engine.h"
#include "nc/program_line.h"
#include "nc/standard_moves.h"

namespace orca {
namespace {

// The points one line reaches (MISSING_VALUE stands for a coordinate the
// line does not give) and where the tool ends.
struct ExtentsPlan {
    PlanePoint reached[3];
    int reachedCount = 0;
    PlanePoint end;
    double endZ = 0;
};

void widen(ViewState& v, PlanePoint p) {
    if (p.x != MISSING_VALUE) {
        if (p.x > v.XMax) v.XMax = p.x;
        if (p.x < v.XMin) v.XMin = p.x;
    }
    if (p.y != MISSING_VALUE) {
        if (p.y > v.YMax) v.YMax = p.y;
        if (p.y < v.YMin) v.YMin = p.y;
    }
}

// The standard reading's own moves: a cycle (its positioning, repeated in
// incremental mode) and an arc outside the XY plane. False for any other move.
bool planStandardExtents(const NcLine& line, const NcModalState& st, MessageSink& messages,
                         ExtentsPlan& plan) {
    plan.endZ = ZPosGet(line, st);
    if (st.cycleActive()) {
        plan.endZ = st.CurZ;
        if (!line.has('X') && !line.has('Y')) {
            plan.end = {st.CurX, st.CurY};
            return true;
        }
        if (st.incremental()) {
            const double n = CycleRepeats(line);
            const double dx = line.has('X') ? line.word('X') : 0.0;
            const double dy = line.has('Y') ? line.word('Y') : 0.0;
            plan.end = {checked(st.CurX + n * dx), checked(st.CurY + n * dy)};
        } else {
            plan.end = {XPosGet(line, st), YPosGet(line, st)};
        }
        plan.reached[plan.reachedCount++] = plan.end;
        return true;
    }
    if (!st.arcMotion() || st.Plane == kPlaneXY) return false;
    const ProjectedArc arc = ProjectedArcGet(line, st, messages);
    for (int k = 0; k < arc.count; ++k) plan.reached[plan.reachedCount++] = arc.points[k];
    plan.end = arc.points[arc.count - 1];
    plan.endZ = arc.endZ;
    return true;
}

// Raises ArithmeticFault, with nothing changed, when the line's arithmetic fails.
template <bool kStandard>
ExtentsPlan planExtents(const NcLine& line, const NcModalState& st, MessageSink& messages) {
    ExtentsPlan plan;
    if constexpr (kStandard) {
        if (planStandardExtents(line, st, messages, plan)) return plan;
    }
    if (st.MotionMode == kMotionRapid || st.MotionMode == kMotionLinear) {
        const PlanePoint to{XValGet(line, st), YValGet(line, st)};
        plan.reached[plan.reachedCount++] = to;
        plan.end = {to.x == MISSING_VALUE ? st.CurX : to.x, to.y == MISSING_VALUE ? st.CurY : to.y};
        return plan;
    }
    // Both extreme-point routines see the same arc; it is worked out once.
    const LineArcSweep sweep = ArcSweepGet(line, st, messages);
    G02G03BigXYGet_Sub(sweep, plan.reached[0].x, plan.reached[0].y);
    // Each extreme-point routine computes the centre, and reports its failure, anew.
    if (sweep.centreFailed) messages.showMessage(kCalcErrorMessage);
    G02G03SmallXYGet_Sub(sweep, plan.reached[1].x, plan.reached[1].y);
    plan.reachedCount = 2;
    plan.end = {sweep.xe, sweep.ye};
    return plan;
}

void commitExtents(PlotEngine& engine, const ExtentsPlan& plan) {
    for (int i = 0; i < plan.reachedCount; ++i) widen(engine.view, plan.reached[i]);
    engine.nc.CurX = plan.end.x;
    engine.nc.CurY = plan.end.y;
}

}  // namespace

// The standard reading keeps the same modal codes as the tool-path pass, since
// a cycle's positions are straight moves whatever the motion, and the planes.
// A line whose words are expressions keeps the position and is counted for
// the user.
void LineMaxMinGetStandard_Sub(PlotEngine& engine, const NcLine& line) {
    NcModalState& st = engine.nc;
    ApplyToolPathCodes(line, st);
    ApplyPlaneCodes(line, st);
    if (line.hasExpression()) {
        ++st.ExpressionLines;
        return;
    }
    const ExtentsPlan plan = planExtents<true>(line, st, engine.messages);
    commitExtents(engine, plan);
    st.CurZ = plan.endZ;
}

void LineMaxMinGet_Sub(PlotEngine& engine, const NcLine& line) {
    NcModalState& st = engine.nc;

    // Only motion and coordinate-mode codes matter here, unlike the tool-path
    // pass: the extents pass draws no holes, so it keeps no cycle state, and
    // a cycle's positions reach the extents as moves of the motion in force.
    // A later code of the same group overrides an earlier one.
    if (line.hasG(GCode::G00)) st.MotionMode = kMotionRapid;
    if (line.hasG(GCode::G01)) st.MotionMode = kMotionLinear;
    if (line.hasG(GCode::G02)) st.MotionMode = kMotionClockwise;
    if (line.hasG(GCode::G03)) st.MotionMode = kMotionCounterClockwise;
    if (line.hasG(GCode::G28)) st.MotionMode = kMotionRapid;
    if (line.hasG(GCode::G90)) st.IncFlag = kAbsolute;
    if (line.hasG(GCode::G91)) st.IncFlag = kIncremental;

    commitExtents(engine, planExtents<false>(line, st, engine.messages));
}

void LineMaxMinGet_Sub(PlotEngine& engine, std::string_view text) {
    PassOnText(text, false, [&](const NcLine& line) { LineMaxMinGet_Sub(engine, line); });
}

void LineMaxMinGetStandard_Sub(PlotEngine& engine, std::string_view text) {
    PassOnText(text, true, [&](const NcLine& line) { LineMaxMinGetStandard_Sub(engine, line); });
}

}  // namespace orca
