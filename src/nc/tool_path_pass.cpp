#include "nc/tool_path_pass.h"

#include "geometry/angles.h"
#include "geometry/arc_centre.h"
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
    const auto motion = [&st](std::int16_t mode) {
        st.MotionMode = mode;
        st.CannedCode = 0;
    };
    if (line.hasG(GCode::G00)) motion(0);
    if (line.hasG(GCode::G01)) motion(1);
    if (line.hasG(GCode::G02)) motion(2);
    if (line.hasG(GCode::G03)) motion(3);
    if (line.hasG(GCode::G28)) motion(0);
    for (int code = 81; code <= 89; ++code) {
        if (line.hasG(static_cast<GCode>(static_cast<int>(GCode::G81) + code - 81))) {
            st.CannedCode = static_cast<std::int16_t>(code);
        }
    }
    if (line.hasG(GCode::G80)) st.CannedCode = 0;
    if (line.hasG(GCode::G90)) st.IncFlag = 0;
    if (line.hasG(GCode::G91)) st.IncFlag = 1;
}

class PrimitiveSink {
public:
    explicit PrimitiveSink(PlotEngine& e) : e_(e) {}

    void line(double x1, double y1, double x2, double y2, int color, std::int16_t style) {
        drawStyledLine(e_.surface, toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), color, style);
        e_.displayList.lines.push_back({x1, y1, x2, y2, static_cast<std::int16_t>(color), style});
    }

    void circle(double x, double y, double r, int color, double start, double end) {
        Surface& s = e_.surface;
        const std::int16_t saved = s.DrawStyle();
        s.setDrawStyle(kSolid);
        s.Circle(toSurface(x), toSurface(y), toSurface(r), color, toSurface(start), toSurface(end));
        s.setDrawStyle(saved);
        e_.displayList.circles.push_back({x, y, r, static_cast<std::int16_t>(color), start, end, kSolid});
    }

    void hole(double x, double y) { circle(x, y, checked(3 * e_.view.PlotScale), kHoleColor, 0, 0); }

    void marker(double x, double y) {
        ToolMarker& m = e_.marker;
        if (m.Visible()) m.Move(toSurface(x - m.Width() / 2.0), toSurface(y - m.Height() / 2.0));
    }

private:
    PlotEngine& e_;
};

double toRadians(double degrees) { return checked(degrees * kCirclePi / 180); }

}  // namespace

void LineRouteDsp_Sub(PlotEngine& engine, std::string_view text) {
    if (!text.empty() && text.front() == '(') return;
    text = WithoutComment(text);

    engine.view.SurfaceHeight = roundedHeight(engine.surface);
    NcModalState& st = engine.nc;
    const NcLine line(text);
    applyGCodes(line, st);

    const Mapping map{engine.view.XMin, engine.view.YMin, engine.view.PlotScale,
                      static_cast<double>(engine.surface.window().ScaleHeight)};
    PrimitiveSink draw(engine);
    const bool cycle = st.cycleActive();
    const bool linear = st.MotionMode == 0 || st.MotionMode == 1 || cycle;
    const bool arc = st.MotionMode == 2 || st.MotionMode == 3;

    // Everything is computed before anything is drawn, so a line whose
    // arithmetic fails leaves neither a partial drawing nor a moved tool.
    double endX = st.CurX;
    double endY = st.CurY;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (linear) {
        const double x = XValGet(line, st);
        const double y = YValGet(line, st);
        if (x == MISSING_VALUE && y == MISSING_VALUE) {
            if (cycle) draw.hole(map.u(st.CurX), map.v(st.CurY));
            return;
        }
        x1 = map.u(st.CurX);
        y1 = map.v(st.CurY);
        endX = x == MISSING_VALUE ? st.CurX : x;
        endY = y == MISSING_VALUE ? st.CurY : y;
        x2 = map.u(endX);
        y2 = map.v(endY);
    }

    double cx = 0, cy = 0, radius = 0, start = 0, end = 0, arcEndU = 0, arcEndV = 0;
    if (arc) {
        const double x = XPosGet(line, st);
        const double y = YPosGet(line, st);
        const double r = RadiusGet(line, st);
        double xc = 0;
        double yc = 0;
        G02G03XcYcGet_Sub(line, st, engine.messages, xc, yc);
        const double a1 = toRadians(KakudoGet(xc, yc, st.CurX, st.CurY));
        const double a2 = toRadians(KakudoGet(xc, yc, x, y));
        cx = map.u(xc);
        cy = map.v(yc);
        radius = checked(r * engine.view.PlotScale);
        // G02 runs clockwise, which is the counter-clockwise arc from end to start.
        start = st.MotionMode == 2 ? a2 : a1;
        end = st.MotionMode == 2 ? a1 : a2;
        arcEndU = map.u(x);
        arcEndV = map.v(y);
        endX = x;
        endY = y;
    }

    // The surface takes single precision: a value it cannot hold abandons
    // the line before its first primitive is drawn, not in between.
    for (const double v : {x1, y1, x2, y2, cx, cy, radius, start, end, arcEndU, arcEndV}) toSurface(v);
    if (linear) {
        if (st.MotionMode == 0 || cycle) {
            draw.line(x1, y1, x2, y2, kRapidColor, kDotted);
            if (cycle) draw.hole(x2, y2);
        } else {
            draw.line(x1, y1, x2, y2, kFeedColor, kSolid);
        }
        draw.marker(x2, y2);
    }
    if (arc) {
        draw.circle(cx, cy, radius, kFeedColor, start, end);
        draw.marker(arcEndU, arcEndV);
    }
    st.CurX = endX;
    st.CurY = endY;
}

}  // namespace orca
