#pragma once

#include <cstdint>

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
    // The 1-based editor line the tool-path pass is drawing, recorded with
    // every primitive so the drawing can point back at the text.
    std::int32_t lineNumber = 0;
};

}  // namespace orca
