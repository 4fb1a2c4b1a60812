#pragma once

#include "view/surface.h"

namespace orca {

struct PlotView;
class ViewHost;

// The window's width and height stay within what single precision resolves
// on a drawing of a few thousand surface units; a step beyond does nothing.
inline constexpr float kMinWindowSize = 1e-3f;
inline constexpr float kMaxWindowSize = 1e12f;

// One zoom step of the window about its centre (factor 1.4); false, with the
// window unchanged, when the step would leave the bounds above.
bool ZoomInWindow(ScaleWindow& window);
bool ZoomOutWindow(ScaleWindow& window);

// The zoom commands: nothing at all before anything is drawn.
void ViewScaleUp_Sub(PlotView& plot, ViewHost& host);
void ViewScaleDown_Sub(PlotView& plot, ViewHost& host);

// The same step, in (`in`) or out, about the surface point (x, y) instead
// of the centre: that point keeps its place in the window, so it stays
// under the mouse. False, with the window unchanged, beyond the bounds.
bool ZoomWindowAbout(ScaleWindow& window, double x, double y, bool in);
// A wheel notch over the drawing: a zoom command about that point.
void ViewScaleAbout_Sub(PlotView& plot, ViewHost& host, double x, double y, bool in);

}  // namespace orca
