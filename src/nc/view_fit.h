#pragma once

namespace orca {

struct PlotEngine;

// Sets PlotScale from the extents and the surface window; false when the
// extents have no span (nothing is to be drawn).
[[nodiscard]] bool FitView(PlotEngine& engine);

// Window reset before a draw: the window becomes the frame's full size and
// SurfaceHeight is captured from it.
void ResetWindow(PlotEngine& engine, float frameWidth, float frameHeight);

}  // namespace orca
