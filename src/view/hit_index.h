#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "view/display_list.h"
#include "view/window_pixels.h"

namespace orca {

// The item of the display list nearest to a point of the picture.
struct Hit {
    std::int32_t lineNumber = 0;
    bool circle = false;    // a CircleItem, else a LineItem
    std::size_t index = 0;  // in its table
    double distancePx = 0.0;
};

// Where the drawn items lie: a uniform grid of cells over the drawing in
// surface units, each cell listing the items that pass through it. Surface
// units do not move with zoom and pan, so one build serves every view until
// the next draw. Built on demand: a load never waits for it.
class HitIndex {
public:
    // Indexes `list` as it is now.
    void build(const DisplayList& list);
    // True when built for a list of this many items (a trace appends; a new
    // draw calls reset).
    bool builtFor(const DisplayList& list) const;
    void reset();

    // The item nearest to pixel (px, py) (a pixel's centre is at i + 0.5) of
    // a picture mapped by `m`, measured on the picture as drawn (segments,
    // arcs along their sweep, hole circles by their outline), when within
    // `tolerancePx`. `list` is the list the index was built for.
    [[nodiscard]] std::optional<Hit> Nearest(const DisplayList& list, const WindowPixels& m, double px,
                                             double py, double tolerancePx) const;

    // Heap bytes the index holds.
    std::size_t memoryBytes() const;

private:
    int cellX(double x) const;
    int cellY(double y) const;

    bool built_ = false;
    std::size_t lines_ = 0;
    std::size_t circles_ = 0;
    double x0_ = 0.0, y0_ = 0.0, cell_ = 1.0;
    int gx_ = 0, gy_ = 0;
    std::vector<std::uint32_t> start_;  // per cell, its first entry in refs_; one more at the end
    std::vector<std::uint32_t> refs_;   // lines first (their index), then circles (lines_ + index)
};

}  // namespace orca
