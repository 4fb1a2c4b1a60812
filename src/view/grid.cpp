#include "view/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "base/guarded.h"
#include "base/rounding.h"
#include "view/palette.h"
#include "view/plot_view.h"
#include "view/surface_mapping.h"

namespace orca {
namespace {

// More grid lines than this in one group could never be told apart on a
// screen; such a group is left out rather than spending minutes on it.
constexpr double kMaxLinesPerGroup = 100000;

struct GridMapping {
    double xMin, yMin, scale, flip;
    float u(double x) const { return toSurface(checked((x - xMin) * scale)); }
    float v(double y) const { return toSurface(checked(flip - (y - yMin) * scale)); }
};

// Number of pitches in `extent`: halves to even, sign dropped.
std::int64_t pitchCount(double extent, int pitch) {
    const double n = std::fabs(RoundHalfEven(checked(extent / pitch)));
    if (n > kMaxLinesPerGroup) throw ArithmeticFault{};
    return static_cast<std::int64_t>(n);
}

// k x pitch as the 32-bit integer the grid positions are.
double position(std::int64_t k, int pitch, int sign) {
    const std::int64_t p = k * pitch * sign;
    if (p < INT32_MIN || p > INT32_MAX) throw ArithmeticFault{};
    return static_cast<double>(p);
}

void drawGrid(PlotView& p) {
    const int gw = p.settings.HouganWidth;
    const ViewState& v = p.view;
    // A maximum the program never reached positively is 0 here, as in the fit.
    const double xMax = std::max(v.XMax, 0.0);
    const double yMax = std::max(v.YMax, 0.0);
    const double xMin = v.XMin;
    const double yMin = v.YMin;
    const GridMapping m{xMin, yMin, v.PlotScale, static_cast<double>(v.SurfaceHeight)};
    Surface& s = p.surface;

    const auto vertical = [&](double extent, int sign, double yTo) {
        const std::int64_t n = pitchCount(extent, gw);
        for (std::int64_t k = 0; k <= n; ++k) {
            const double x = position(k, gw, sign);
            s.Line(m.u(x), m.v(0), m.u(x), m.v(yTo), kGridColor);
        }
    };
    const auto horizontal = [&](double extent, int sign, double xTo) {
        const std::int64_t n = pitchCount(extent, gw);
        for (std::int64_t k = 0; k <= n; ++k) {
            const double y = position(k, gw, sign);
            s.Line(m.u(0), m.v(y), m.u(xTo), m.v(y), kGridColor);
        }
    };
    // Each group stands alone: one whose arithmetic fails (more lines than
    // could be told apart, a position beyond 32 bits) is left out from there
    // on, and the other groups are still drawn.
    const auto group = [](auto&& draw) { static_cast<void>(Guarded(draw)); };

    group([&] { vertical(xMax, 1, checked(yMax + gw)); });
    group([&] { horizontal(yMax, 1, xMax); });
    group([&] { vertical(xMax, 1, checked(yMin - gw)); });
    group([&] { horizontal(yMin, -1, xMax); });
    group([&] { vertical(xMin, -1, checked(yMax + gw)); });
    group([&] { horizontal(yMax, 1, xMin); });
    group([&] { vertical(xMin, -1, checked(yMin - gw)); });
    group([&] { horizontal(yMin, -1, xMin); });
}

}  // namespace

void Kukaku_Dsp(PlotView& plot) {
    // The marker starts on the program origin, where every path begins.
    const ViewState& v = plot.view;
    ToolMarker& marker = plot.marker;
    const double originU = (0 - v.XMin) * v.PlotScale;
    const double originV = v.SurfaceHeight - (0 - v.YMin) * v.PlotScale;
    if (std::isfinite(originU) && std::isfinite(originV)) {
        marker.Move(static_cast<float>(originU - marker.Width() / 2.0),
                    static_cast<float>(originV - marker.Height() / 2.0));
    }

    if (!plot.settings.HouganFlag || plot.settings.HouganWidth <= 0) return;
    Surface& s = plot.surface;
    const std::int16_t saved = s.DrawStyle();
    s.setDrawStyle(kDotted);
    drawGrid(plot);
    s.setDrawStyle(saved);
}

}  // namespace orca
