#pragma once

#include "base/message_sink.h"
#include "nc/nc_modal_state.h"
#include "view/plot_view.h"

namespace orca {

// The interpreter: the picture it draws on, plus the modal state carried
// from line to line and where its messages go.
struct PlotEngine : PlotView {
    PlotEngine(Surface& s, ToolMarker& m, MessageSink& msg) : PlotView(s, m), messages(msg) {}

    NcModalState nc;
    MessageSink& messages;
};

}  // namespace orca
