#include "nc/tool_path_pass.h"

#include <initializer_list>

#include "geometry/angles.h"
#include "nc/arc_words.h"
#include "nc/line_words.h"
#include "nc/modal_codes.h"
#include "nc/plot_engine.h"
#include "nc/program_line.h"
#include "nc/standard_moves.h"
#include "view/palette.h"
#include "view/surface_mapping.h"

namespace orca {
namespace {

// Program point -> surface point with the scale fitted for this draw.
struct Mapping {
    double xMin, yMin, scale, height;
    double u(double x) const { return checked((x - xMin) * scale); }
    double v(double y) const { return checked(height - (y - yMin) * scale); }
};

// What one line draws, in surface units, and where the tool ends, in
// program units. A cycle line in arc mode has both a move and an arc (in
// the default reading).
struct ToolPathPlan {
    bool holeInPlace = false;  // a cycle line without X or Y: a hole where the tool is
    bool move = false;         // a straight move (rapid, feed or cycle positioning)
    bool arc = false;
    bool dotted = false;  // the move is a rapid or a cycle's positioning
    bool holeAtEnd = false;
    int repeats = 1;  // a repeated cycle: the move in as many equal steps, a hole after each
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double cx = 0, cy = 0, radius = 0, start = 0, end = 0, arcEndU = 0, arcEndV = 0;
    double holeU = 0, holeV = 0, holeRadius = 0;
    // An arc outside the XY plane, seen on the XY view: feeds from (x1, y1)
    // through these surface points.
    PlanePoint projected[3];  // the first projectedCount are set
    int projectedCount = 0;
    double endX = 0, endY = 0, endZ = 0;
};

// The surface takes single precision: a value it cannot hold abandons the
// line before its first primitive is drawn, not in between.
void checkFitsSurface(std::initializer_list<double> values) {
    for (const double v : values) toSurface(v);
}

double toRadians(double degrees) { return checked(degrees * kCirclePi / 180); }

// Works out everything the line draws; raises ArithmeticFault, with nothing
// changed, when its arithmetic fails or a value does not fit the surface.
// The standard reading draws no arc while a cycle is active (its R is the
// retract level), repeats a cycle's move in incremental mode and projects
// arcs outside the XY plane.
template <bool kStandard>
ToolPathPlan planToolPath(PlotEngine& engine, const NcLine& line) {
    const NcModalState& st = engine.nc;
    const Mapping map{engine.view.XMin, engine.view.YMin, engine.view.PlotScale,
                      static_cast<double>(engine.surface.window().ScaleHeight)};
    const bool cycle = st.cycleActive();
    ToolPathPlan plan;
    plan.endX = st.CurX;
    plan.endY = st.CurY;
    const auto holeRadius = [&engine] { return checked(engine.settings.HoleRadius * engine.view.PlotScale); };
    if constexpr (kStandard) plan.endZ = cycle ? st.CurZ : ZPosGet(line, st);

    if (st.MotionMode == kMotionRapid || st.MotionMode == kMotionLinear || cycle) {
        const double x = XValGet(line, st);
        const double y = YValGet(line, st);
        if (x == MISSING_VALUE && y == MISSING_VALUE) {
            if (cycle) {
                plan.holeInPlace = true;
                plan.holeU = map.u(st.CurX);
                plan.holeV = map.v(st.CurY);
                plan.holeRadius = holeRadius();
                checkFitsSurface({plan.holeU, plan.holeV, plan.holeRadius});
            }
            return plan;
        }
        plan.move = true;
        plan.dotted = st.MotionMode == kMotionRapid || cycle;
        plan.holeAtEnd = cycle;
        plan.x1 = map.u(st.CurX);
        plan.y1 = map.v(st.CurY);
        plan.endX = x == MISSING_VALUE ? st.CurX : x;
        plan.endY = y == MISSING_VALUE ? st.CurY : y;
        if constexpr (kStandard) {
            if (cycle && st.incremental()) {
                plan.repeats = CycleRepeats(line);
                plan.endX = checked(st.CurX + plan.repeats * (x == MISSING_VALUE ? 0.0 : line.word('X')));
                plan.endY = checked(st.CurY + plan.repeats * (y == MISSING_VALUE ? 0.0 : line.word('Y')));
            }
        }
        plan.x2 = map.u(plan.endX);
        plan.y2 = map.v(plan.endY);
        checkFitsSurface({plan.x1, plan.y1, plan.x2, plan.y2});
        if (cycle) {
            plan.holeRadius = holeRadius();
            checkFitsSurface({plan.holeRadius});
        }
    }

    if (kStandard && st.arcMotion() && !cycle && st.Plane != kPlaneXY) {
        const ProjectedArc arc = ProjectedArcGet(line, st, engine.messages);
        plan.x1 = map.u(st.CurX);
        plan.y1 = map.v(st.CurY);
        for (int k = 0; k < arc.count; ++k) {
            plan.projected[k] = {map.u(arc.points[k].x), map.v(arc.points[k].y)};
            toSurface(plan.projected[k].x);
            toSurface(plan.projected[k].y);
        }
        plan.projectedCount = arc.count;
        plan.endX = arc.points[arc.count - 1].x;
        plan.endY = arc.points[arc.count - 1].y;
        plan.endZ = arc.endZ;
    } else if (st.arcMotion() && !(kStandard && cycle)) {
        const double x = XPosGet(line, st);
        const double y = YPosGet(line, st);
        const double r = RadiusGet(line, st);
        double xc = 0;
        double yc = 0;
        // A centre that cannot be computed has been reported; the arc is then
        // drawn about the program origin.
        static_cast<void>(G02G03XcYcGet_Sub(line, st, engine.messages, xc, yc));
        const double a1 = toRadians(KakudoGet(xc, yc, st.CurX, st.CurY));
        const double a2 = toRadians(KakudoGet(xc, yc, x, y));
        plan.arc = true;
        plan.cx = map.u(xc);
        plan.cy = map.v(yc);
        plan.radius = checked(r * engine.view.PlotScale);
        // G02 runs clockwise, which is the counter-clockwise arc from end to start.
        const bool clockwise = st.MotionMode == kMotionClockwise;
        plan.start = clockwise ? a2 : a1;
        plan.end = clockwise ? a1 : a2;
        plan.arcEndU = map.u(x);
        plan.arcEndV = map.v(y);
        plan.endX = x;
        plan.endY = y;
        checkFitsSurface({plan.cx, plan.cy, plan.radius, plan.start, plan.end, plan.arcEndU, plan.arcEndV});
    }
    return plan;
}

class PrimitiveSink {
public:
    PrimitiveSink(PlotEngine& e, std::int32_t lineNumber)
        : p_(e), thread_(e.drawing), lineNumber_(lineNumber) {}

    void line(double x1, double y1, double x2, double y2, int color, std::int16_t style) {
        if (thread_) {
            thread_->line(toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), color, style);
        } else {
            drawStyledLine(p_.surface, toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), color,
                           style);
        }
        if (p_.keepDisplayList)
            p_.displayList.lines.push_back(
                {x1, y1, x2, y2, static_cast<std::int16_t>(color), style, lineNumber_});
    }

    void circle(double x, double y, double r, int color, double start, double end) {
        if (thread_) {
            thread_->circle(toSurface(x), toSurface(y), toSurface(r), color, toSurface(start),
                            toSurface(end));
        } else {
            drawSolidCircle(p_.surface, toSurface(x), toSurface(y), toSurface(r), color, toSurface(start),
                            toSurface(end));
        }
        if (p_.keepDisplayList)
            p_.displayList.circles.push_back(
                {x, y, r, static_cast<std::int16_t>(color), start, end, kSolid, lineNumber_});
    }

    void marker(double x, double y) {
        ToolMarker& m = p_.marker;
        if (m.Visible()) m.Move(toSurface(x - m.Width() / 2.0), toSurface(y - m.Height() / 2.0));
    }

private:
    PlotView& p_;
    DrawingThread* thread_;
    std::int32_t lineNumber_;
};

// The standard reading's own drawings, kept out of the common path.

// A repeated cycle: its move in equal steps, a hole after each. The steps lie
// between the move's ends, so they fit the surface as the ends do.
[[gnu::noinline]] void commitRepeats(PrimitiveSink& draw, const ToolPathPlan& plan) {
    const int n = plan.repeats;
    const auto step = [n](int k, double from, double to) {
        return k == 0 ? from : k == n ? to : from + (to - from) * k / n;
    };
    for (int k = 1; k <= n; ++k) {
        const double u = step(k, plan.x1, plan.x2);
        const double v = step(k, plan.y1, plan.y2);
        draw.line(step(k - 1, plan.x1, plan.x2), step(k - 1, plan.y1, plan.y2), u, v, kRapidColor, kDotted);
        draw.circle(u, v, plan.holeRadius, kHoleColor, 0, 0);
    }
}

// An arc outside the XY plane: feeds through its projected points.
[[gnu::noinline]] void commitProjection(PrimitiveSink& draw, const ToolPathPlan& plan) {
    PlanePoint from{plan.x1, plan.y1};
    for (int k = 0; k < plan.projectedCount; ++k) {
        const PlanePoint to = plan.projected[k];
        draw.line(from.x, from.y, to.x, to.y, kFeedColor, kSolid);
        from = to;
    }
    draw.marker(from.x, from.y);
}

// Draws the plan and moves the tool. Every value was checked while planning,
// so nothing here can fail.
void commitToolPath(PlotEngine& engine, const ToolPathPlan& plan) {
    PrimitiveSink draw(engine, engine.lineNumber);
    if (plan.holeInPlace) draw.circle(plan.holeU, plan.holeV, plan.holeRadius, kHoleColor, 0, 0);
    if (plan.move) {
        if (plan.repeats > 1) {
            commitRepeats(draw, plan);
        } else if (plan.dotted) {
            draw.line(plan.x1, plan.y1, plan.x2, plan.y2, kRapidColor, kDotted);
            if (plan.holeAtEnd) draw.circle(plan.x2, plan.y2, plan.holeRadius, kHoleColor, 0, 0);
        } else {
            draw.line(plan.x1, plan.y1, plan.x2, plan.y2, kFeedColor, kSolid);
        }
        draw.marker(plan.x2, plan.y2);
    }
    if (plan.arc) {
        draw.circle(plan.cx, plan.cy, plan.radius, kFeedColor, plan.start, plan.end);
        draw.marker(plan.arcEndU, plan.arcEndV);
    }
    if (plan.projectedCount > 0) commitProjection(draw, plan);
    engine.nc.CurX = plan.endX;
    engine.nc.CurY = plan.endY;
}

}  // namespace

void LineRouteDsp_Sub(PlotEngine& engine, const NcLine& line) {
    engine.view.SurfaceHeight = roundedHeight(engine.surface);
    // The line's modal codes take effect even when its move then fails.
    ApplyToolPathCodes(line, engine.nc);
    commitToolPath(engine, planToolPath<false>(engine, line));
}

void LineRouteDspStandard_Sub(PlotEngine& engine, const NcLine& line) {
    engine.view.SurfaceHeight = roundedHeight(engine.surface);
    NcModalState& st = engine.nc;
    ApplyToolPathCodes(line, st);
    ApplyPlaneCodes(line, st);
    // Where an expression would take the tool cannot be known: the line
    // keeps the position (the extents pass has counted it).
    if (line.hasExpression()) return;
    const ToolPathPlan plan = planToolPath<true>(engine, line);
    commitToolPath(engine, plan);
    st.CurZ = plan.endZ;
}

void LineRouteDsp_Sub(PlotEngine& engine, std::string_view text) {
    PassOnText(text, false, [&](const NcLine& line) { LineRouteDsp_Sub(engine, line); });
}

void LineRouteDspStandard_Sub(PlotEngine& engine, std::string_view text) {
    PassOnText(text, true, [&](const NcLine& line) { LineRouteDspStandard_Sub(engine, line); });
}

}  // namespace orca
