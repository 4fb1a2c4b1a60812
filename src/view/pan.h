#pragma once

#include "view/pan_direction.h"
#include "view/surface.h"
#include "view/view_change.h"

namespace orca {

struct PlotView;

// Zoom and pan needs plus the pan buttons, each disabled while its own
// redraw runs.
class PanHost : public ViewHost {
public:
    virtual void SetPanButtonEnabled(PanDirection direction, bool enabled) = 0;
};

// Moves the window by a fifth of its width and/or height.
void PanWindow(ScaleWindow& window, PanDirection direction);

// A pan button's click: nothing at all before anything is drawn.
void PanView(PlotView& plot, PanHost& host, PanDirection direction);

// Moves the window so that the picture follows a mouse moved by (dx, dy)
// pixels over a drawing area `widthPx` x `heightPx`.
void DragWindow(ScaleWindow& window, double dxPx, double dyPx, int widthPx, int heightPx);
// A drag over the drawing, the mouse (dx, dy) pixels from where it was
// pressed over the window `atPress`: nothing at all before anything is
// drawn. Moves arriving while the picture is replayed only move the window,
// and the replay then runs once more for all of them.
void DragView(PlotView& plot, ViewHost& host, const ScaleWindow& atPress, double dxPx, double dyPx,
              int widthPx, int heightPx);

}  // namespace orca
