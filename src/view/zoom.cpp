#include "view/zoom.h"

#include "view/plot_view.h"
#include "view/view_change.h"

namespace orca {
namespace {

constexpr double kZoomFactor = 1.4;
constexpr double kShiftFraction = 0.2;

bool WithinBounds(double size) { return size >= kMinWindowSize && size <= kMaxWindowSize; }

// Window arithmetic is done in double from the single values the surface
// holds, and each result is stored back as single.
float Single(double v) { return static_cast<float>(v); }

template <typename Step>
void ZoomCommand(PlotView& plot, ViewHost& host, Step step) {
    if (plot.displayList.empty()) return;
    ScaleWindow window = plot.surface.window();
    if (!step(window)) return;
    host.ShowHourglass();
    plot.surface.setWindow(window);
    ViewChangeRedraw(plot, host);
    host.RestorePointer();
}

}  // namespace

bool ZoomInWindow(ScaleWindow& w) {
    const double height = w.ScaleHeight / kZoomFactor;
    const double width = w.ScaleWidth / kZoomFactor;
    if (!WithinBounds(width) || !WithinBounds(height)) return false;
    ScaleWindow z = w;
    z.ScaleHeight = Single(height);
    z.ScaleWidth = Single(width);
    z.ScaleLeft = Single(z.ScaleLeft + double{z.ScaleWidth} * kShiftFraction);
    z.ScaleTop = Single(z.ScaleTop + double{z.ScaleHeight} * kShiftFraction);
    w = z;
    return true;
}

bool ZoomOutWindow(ScaleWindow& w) {
    const double height = w.ScaleHeight * kZoomFactor;
    const double width = w.ScaleWidth * kZoomFactor;
    if (!WithinBounds(width) || !WithinBounds(height)) return false;
    ScaleWindow z = w;
    z.ScaleLeft = Single(z.ScaleLeft - double{z.ScaleWidth} * kShiftFraction);
    z.ScaleTop = Single(z.ScaleTop - double{z.ScaleHeight} * kShiftFraction);
    z.ScaleHeight = Single(height);
    z.ScaleWidth = Single(width);
    w = z;
    return true;
}

void ViewScaleUp_Sub(PlotView& plot, ViewHost& host) { ZoomCommand(plot, host, ZoomInWindow); }

void ViewScaleDown_Sub(PlotView& plot, ViewHost& host) { ZoomCommand(plot, host, ZoomOutWindow); }

bool ZoomWindowAbout(ScaleWindow& w, double x, double y, bool in) {
    ScaleWindow z = w;
    if (!(in ? ZoomInWindow(z) : ZoomOutWindow(z))) return false;
    // The centred step sets the size; the edges then move so that the point
    // stands at the same fraction of the window as before.
    z.ScaleLeft = Single(x - (x - w.ScaleLeft) * (double{z.ScaleWidth} / w.ScaleWidth));
    z.ScaleTop = Single(y - (y - w.ScaleTop) * (double{z.ScaleHeight} / w.ScaleHeight));
    w = z;
    return true;
}

void ViewScaleAbout_Sub(PlotView& plot, ViewHost& host, double x, double y, bool in) {
    ZoomCommand(plot, host, [x, y, in](ScaleWindow& w) { return ZoomWindowAbout(w, x, y, in); });
}

}  // namespace orca
