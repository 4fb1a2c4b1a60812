#pragma once

#include <cstdint>
#include <string>

#include "base/message_sink.h"
#include "nc/drawing_thread.h"
#include "nc/nc_modal_state.h"
#include "view/plot_view.h"

namespace orca {

// Where the passes' messages go. Showing one may let the window paint the
// picture, so a drawing thread at work on it catches up first.
class EngineMessages final : public MessageSink {
public:
    EngineMessages(MessageSink& sink, DrawingThread* const& drawing) : sink_(sink), drawing_(drawing) {}

    void showMessage(const std::string& text) override {
        if (drawing_) drawing_->catchUp();
        sink_.showMessage(text);
    }

private:
    MessageSink& sink_;
    DrawingThread* const& drawing_;
};

// The interpreter: the picture it draws on, plus the modal state carried
// from line to line and where its messages go.
struct PlotEngine : PlotView {
    PlotEngine(Surface& s, ToolMarker& m, MessageSink& msg) : PlotView(s, m), messages(msg, drawing) {}

    NcModalState nc;
    // Set while a drawing thread paints the tool-path pass's primitives.
    DrawingThread* drawing = nullptr;
    EngineMessages messages;
    // The 1-based editor line the tool-path pass is drawing, recorded with
    // every primitive so the drawing can point back at the text.
    std::int32_t lineNumber = 0;
};

}  // namespace orca
