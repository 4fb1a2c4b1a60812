#pragma once

#include "view/pixel_canvas.h"

namespace orca {

// Draws the arc of centre (cx, cy) and radius r (pixels) from angle `start`
// through `span` radians (0 < span <= a full turn), counter-clockwise as seen
// on the canvas, whose rows grow downwards. Only the part that can reach the
// canvas is stepped, so huge circles after a deep zoom stay cheap.
void DrawArcPx(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen);

}  // namespace orca
