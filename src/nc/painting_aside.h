#pragma once

#include <thread>

#include "nc/drawing_thread.h"
#include "nc/plot_engine.h"

namespace orca {

// For a pass whose picture is seen only when it is complete (a load, a
// redraw): a second core paints the primitives while this one reads on.
// Everything is on the surface when this ends.
class PaintingAside {
public:
    explicit PaintingAside(PlotEngine& engine) : engine_(engine), thread_(engine.surface) {
        engine.drawing = &thread_;
    }
    ~PaintingAside() { engine_.drawing = nullptr; }
    PaintingAside(const PaintingAside&) = delete;
    PaintingAside& operator=(const PaintingAside&) = delete;

    // Whether a second core is there to paint.
    static bool worthIt() { return std::thread::hardware_concurrency() > 1; }

private:
    PlotEngine& engine_;
    DrawingThread thread_;
};

}  // namespace orca
