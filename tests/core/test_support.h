#pragma once

#include <string>
#include <vector>

#include "base/message_sink.h"
#include "nc/plot_engine.h"
#include "view/recording_surface.h"
#include "view/tool_marker.h"

namespace orca::test {

class CollectingSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// A plot engine over a recording surface, with a window of W x H units and a
// fixed scale, ready to run single lines through the passes.
struct EngineFixture {
    RecordingSurface surface;
    PlainToolMarker marker;
    CollectingSink sink;
    PlotEngine engine{surface, marker, sink};

    EngineFixture(float width = 9000, float height = 6000) {
        surface.setWindow({0, 0, width, height});
        engine.view.resetExtents();
    }
};

}  // namespace orca::test
