#pragma once

#include "view/display_list.h"
#include "view/draw_settings.h"
#include "view/surface.h"
#include "view/tool_marker.h"
#include "view/view_state.h"

namespace orca {

// The picture and what it is drawn with: the fitted view, the record of what
// was drawn, the drawing settings, and the surface and tool marker. Zoom,
// pan, the grid and the replay work on this alone.
struct PlotView {
    PlotView(Surface& s, ToolMarker& m) : surface(s), marker(m) {}

    ViewState view;
    DisplayList displayList;
    // Off for a picture drawn once and never redrawn (a headless render):
    // the passes then draw without keeping what they drew.
    bool keepDisplayList = true;
    DrawSettings settings;

    Surface& surface;
    ToolMarker& marker;
};

}  // namespace orca
