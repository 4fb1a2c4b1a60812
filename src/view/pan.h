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

}  // namespace orca
