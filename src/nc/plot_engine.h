#pragma once

#include "nc/message_sink.h"
#include "nc/nc_modal_state.h"
#include "view/display_list.h"
#include "view/draw_settings.h"
#include "view/surface.h"
#include "view/tool_marker.h"
#include "view/view_state.h"

namespace orca {

// Everything the passes read and write: the interpreter state, the view
// state, the record of what was drawn and the drawing settings, plus the
// surface, tool marker and message sink they draw and report on.
struct PlotEngine {
    PlotEngine(Surface& s, ToolMarker& m, MessageSink& msg) : surface(s), marker(m), messages(msg) {}

    NcModalState nc;
    ViewState view;
    DisplayList displayList;
    DrawSettings settings;

    Surface& surface;
    ToolMarker& marker;
    MessageSink& messages;
};

}  // namespace orca
