#pragma once

#include <cstddef>

#include "view/window_pixels.h"

namespace orca {

struct DisplayList;

// Where to cut a list, in drawing order (every line, then every circle), so
// that the items before the cut and those after it take about the same time
// to draw on a canvas of widthPx x heightPx: what lies off the canvas costs
// next to nothing, a long line or a large arc much. The work is estimated
// from a sample of the items, so a cut costs little even for millions.
[[nodiscard]] std::size_t EvenReplayCut(const DisplayList& list, const WindowPixels& m, int widthPx,
                                        int heightPx);

}  // namespace orca
