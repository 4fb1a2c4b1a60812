#include "view/pan.h"

#include "view/plot_view.h"
#include "view/window_pixels.h"

namespace orca {
namespace {

constexpr float kPanDivisor = 5.0f;

// -1, 0 or +1 for the left edge and for the top edge.
struct PanStep {
    int across;
    int down;
};

PanStep StepOf(PanDirection direction) {
    switch (direction) {
        case PanDirection::Up:
            return {0, -1};
        case PanDirection::Down:
            return {0, 1};
        case PanDirection::Left:
            return {-1, 0};
        case PanDirection::Right:
            return {1, 0};
        case PanDirection::LeftUp:
            return {-1, -1};
        case PanDirection::LeftDown:
            return {-1, 1};
        case PanDirection::RightUp:
            return {1, -1};
        case PanDirection::RightDown:
            return {1, 1};
    }
    return {0, 0};
}

// The step is computed in double from the single values and stored back as
// single.
float Moved(float edge, int sign, float size) {
    return static_cast<float>(edge + sign * (double{size} / kPanDivisor));
}

}  // namespace

void PanWindow(ScaleWindow& window, PanDirection direction) {
    const PanStep step = StepOf(direction);
    if (step.across != 0) window.ScaleLeft = Moved(window.ScaleLeft, step.across, window.ScaleWidth);
    if (step.down != 0) window.ScaleTop = Moved(window.ScaleTop, step.down, window.ScaleHeight);
}

void PanView(PlotView& plot, PanHost& host, PanDirection direction) {
    if (plot.displayList.empty()) return;
    host.SetPanButtonEnabled(direction, false);
    host.ShowHourglass();
    ScaleWindow window = plot.surface.window();
    PanWindow(window, direction);
    plot.surface.setWindow(window);
    ViewChangeRedraw(plot, host);
    host.RestorePointer();
    host.SetPanButtonEnabled(direction, true);
}

void DragWindow(ScaleWindow& window, double dxPx, double dyPx, int widthPx, int heightPx) {
    const WindowPixels m = WindowPixels::Of(window, widthPx, heightPx);
    if (!m.usable) return;
    window.ScaleLeft = static_cast<float>(window.ScaleLeft - dxPx / m.sx);
    window.ScaleTop = static_cast<float>(window.ScaleTop - dyPx / m.sy);
}

void DragView(PlotView& plot, ViewHost& host, const ScaleWindow& atPress, double dxPx, double dyPx,
              int widthPx, int heightPx) {
    if (plot.displayList.empty()) return;
    ScaleWindow window = atPress;
    DragWindow(window, dxPx, dyPx, widthPx, heightPx);
    plot.surface.setWindow(window);
    ViewChangeRedraw(plot, host);
}

}  // namespace orca
