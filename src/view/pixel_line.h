#pragma once

#include "view/pixel_canvas.h"

namespace orca {

// Draws the segment between two points given in pixel coordinates, clipped to
// the canvas. Any coordinates are accepted: far-away ends are clipped, a NaN
// end draws nothing, and a segment inside one pixel sets at most that pixel.
void DrawLinePx(const PixelCanvas& canvas, double x1, double y1, double x2, double y2, PixelPen& pen);

// The same for a segment whose ends are both known to be on the canvas,
// without looking at them again: no clipping, and the dot count stays whole.
void DrawLineInsidePx(const PixelCanvas& canvas, double x1, double y1, double x2, double y2, PixelPen& pen);

}  // namespace orca
