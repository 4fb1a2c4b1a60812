#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "view/pixel_arc.h"
#include "view/pixel_canvas.h"
#include "view/window_pixels.h"

namespace orca {

struct DisplayList;

// The 32-bit pixel (0xFFRRGGBB) of a palette index; indices wrap.
std::uint32_t PixelColor(int colorIndex);

// One line or arc as the raster surface draws it (a Surface::Line or
// Surface::Circle call; angles in radians, equal angles a full circle).
void DrawMappedLine(const PixelCanvas& canvas, const WindowPixels& m, float x1, float y1, float x2, float y2,
                    int colorIndex, bool dotted);
void DrawMappedCircle(const PixelCanvas& canvas, const WindowPixels& m, float x, float y, float radius,
                      int colorIndex, float startAngle, float endAngle, bool dotted);

// Below this many items a replay stays on the calling thread: a second
// thread would cost more than it saves.
inline constexpr std::size_t kItemsForTwoParts = 20000;

// The memo of each circle's start (see ArcStart), kept by a caller that
// replays the same list again and again: a zoom or pan step then does
// without working the starts out afresh.
using ArcStarts = std::vector<ArcStart>;

// Every line, then every circle, of the list, giving the very pixels the
// calls one by one give, at a fraction of their cost: what lies wholly off
// the canvas is passed over, and a segment inside one pixel sets that pixel
// (once for a run of them) without the stepping of a line. A long list is
// cut in two parts of about the same work, drawn by two threads at once.
// The arcs' starts are taken from `starts` where it holds them and kept
// there for the next replay.
void ReplayPixels(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m,
                  ArcStarts& starts);

// The same with the list cut before item `cut` of its drawing order (every
// line, then every circle): the items before it are drawn on the calling
// thread, the others on a second one. `starts` is empty or one memo for
// every circle of the list.
void ReplayPixelsCutAt(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m,
                       std::size_t cut, std::span<ArcStart> starts = {});

// The same on the canvas's band only, on the calling thread.
void ReplayPixelBand(const DisplayList& list, const PixelCanvas& canvas, const WindowPixels& m);

}  // namespace orca
