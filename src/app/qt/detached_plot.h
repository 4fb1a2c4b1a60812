#pragma once

#include <string>
#include <vector>

#include "app/ui/raster_surface.h"
#include "base/message_sink.h"
#include "nc/plot_engine.h"
#include "view/tool_marker.h"

namespace orca {

class SurfaceView;

// The window's plotting state copied for a load that runs on a worker
// thread: a raster surface of the shown picture's size, a marker that only
// remembers where it was sent, and the messages kept in order for the
// window to show. Nothing of the window changes until applyTo, so a load
// that is cancelled or fails is simply thrown away.
class DetachedPlot {
public:
    DetachedPlot(const PlotEngine& window, const RasterSurface& shown);

    PlotEngine& engine() { return engine_; }

    // What the load worked out (view, modal state, drawing settings, display
    // list, window, marker, picture) becomes the window's; then the messages
    // the load gave are shown in the order they came.
    void applyTo(PlotEngine& window, SurfaceView& view, MessageSink& messages);

private:
    class KeptMarker : public PlainToolMarker {
    public:
        void Move(float l, float t) override {
            PlainToolMarker::Move(l, t);
            moved = true;
        }
        bool moved = false;
    };
    class KeptMessages : public MessageSink {
    public:
        void showMessage(const std::string& text) override { texts.push_back(text); }
        std::vector<std::string> texts;
    };

    RasterSurface surface_;
    KeptMarker marker_;
    KeptMessages messages_;
    PlotEngine engine_;
};

}  // namespace orca
