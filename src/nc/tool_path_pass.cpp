#include "nc/tool_path_pass.h"

#include <initializer_list>

#include "geometry/angles.h"
#include "nc/arc_words.h"
#include "nc/line_words.h"
#include "nc/plot_engine.h"
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

void applyGCodes(const NcLine& line, NcModalState& st) {
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

// What one line draws, in surface units, and where the tool ends, in
// program units. A cycle line in arc mode has both a move and an arc.
// Only the values its flags call for are set: planning runs for every line
// of the program and leaves the rest alone.
struct ToolPathPlan {
    bool holeInPlace = false;  // a cycle line without X or Y: a hole where the tool is
    bool move = false;         // a straight move (rapid, feed or cycle positioning)
    bool arc = false;
    bool dotted = false;  // the move is a rapid or a cycle's positioning
    bool holeAtEnd = false;
    double x1, y1, x2, y2;                                // move
    double cx, cy, radius, start, end, arcEndU, arcEndV;  // arc
    double holeU, holeV, holeRadius;                      // hole
    double endX, endY;
};

// The surface takes single precision: a value it cannot hold abandons the
// line before its first primitive is drawn, not in between.
void checkFitsSurface(std::initializer_list<double> values) {
    for (const double v : values) toSurface(v);
}

double toRadians(double degrees) { return checked(degrees * kCirclePi / 180); }

// Works out everything the line draws; raises ArithmeticFault, with nothing
// changed, when its arithmetic fails or a value does not fit the surface.
ToolPathPlan planToolPath(PlotEngine& engine, const NcLine& line) {
    const NcModalState& st = engine.nc;
    const Mapping map{engine.view.XMin, engine.view.YMin, engine.view.PlotScale,
                      static_cast<double>(engine.surface.window().ScaleHeight)};
    const bool cycle = st.cycleActive();
    ToolPathPlan plan;
    plan.endX = st.CurX;
    plan.endY = st.CurY;
    const auto holeRadius = [&engine] { return checked(3 * engine.view.PlotScale); };

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
        plan.x2 = map.u(plan.endX);
        plan.y2 = map.v(plan.endY);
        checkFitsSurface({plan.x1, plan.y1, plan.x2, plan.y2});
        if (cycle) {
            plan.holeRadius = holeRadius();
            checkFitsSurface({plan.holeRadius});
        }
    }

    if (st.arcMotion()) {
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
    PrimitiveSink(PlotView& p, std::int32_t lineNumber) : p_(p), lineNumber_(lineNumber) {}

    void line(double x1, double y1, double x2, double y2, int color, std::int16_t style) {
        drawStyledLine(p_.surface, toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), color, style);
        p_.displayList.lines.push_back(
            {x1, y1, x2, y2, static_cast<std::int16_t>(color), style, lineNumber_});
    }

    void circle(double x, double y, double r, int color, double start, double end) {
        Surface& s = p_.surface;
        const std::int16_t saved = s.DrawStyle();
        s.setDrawStyle(kSolid);
        s.Circle(toSurface(x), toSurface(y), toSurface(r), color, toSurface(start), toSurface(end));
        s.setDrawStyle(saved);
        p_.displayList.circles.push_back(
            {x, y, r, static_cast<std::int16_t>(color), start, end, kSolid, lineNumber_});
    }

    void marker(double x, double y) {
        ToolMarker& m = p_.marker;
        if (m.Visible()) m.Move(toSurface(x - m.Width() / 2.0), toSurface(y - m.Height() / 2.0));
    }

private:
    PlotView& p_;
    std::int32_t lineNumber_;
};

// Draws the plan and moves the tool. Every value was checked while planning,
// so nothing here can fail.
void commitToolPath(PlotEngine& engine, const ToolPathPlan& plan) {
    PrimitiveSink draw(engine, engine.lineNumber);
    if (plan.holeInPlace) draw.circle(plan.holeU, plan.holeV, plan.holeRadius, kHoleColor, 0, 0);
    if (plan.move) {
        if (plan.dotted) {
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
    engine.nc.CurX = plan.endX;
    engine.nc.CurY = plan.endY;
}

}  // namespace

void LineRouteDsp_Sub(PlotEngine& engine, std::string_view text) {
    if (!text.empty() && text.front() == '(') return;
    engine.view.SurfaceHeight = roundedHeight(engine.surface);
    const NcLine line(WithoutComment(text));
    // The line's modal codes take effect even when its move then fails.
    applyGCodes(line, engine.nc);
    commitToolPath(engine, planToolPath(engine, line));
}

}  // namespace orca
