#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace orca {

// A 32-bit pixel buffer seen by the rasterising routines. Pixel (i, j) covers
// [i, i + 1) x [j, j + 1) in pixel coordinates; rows grow downwards.
struct PixelCanvas {
    std::uint32_t* bits;
    int stride;  // pixels from one row to the next
    int width;
    int height;
    // Only rows [bandTop, bandBottom) are written. Clipping and dots still go
    // by the whole canvas, so a band holds the very pixels a draw of the whole
    // canvas leaves there, and two bands can be drawn at the same time.
    int bandTop = 0;
    int bandBottom = std::numeric_limits<int>::max();

    int firstRow() const { return std::max(bandTop, 0); }
    int endRow() const { return std::max(firstRow(), std::min(bandBottom, height)); }
    std::uint32_t* row(int y) const { return bits + static_cast<std::ptrdiff_t>(y) * stride; }
    // True when rows y1 to y2 (either order) are all in the band.
    bool bandHolds(int y1, int y2) const {
        return std::min(y1, y2) >= firstRow() && std::max(y1, y2) < endRow();
    }
    PixelCanvas band(int top, int bottom) const {
        PixelCanvas b = *this;
        b.bandTop = top;
        b.bandBottom = bottom;
        return b;
    }
};

// The pen of one primitive. A dotted pen lays kDotOn pixels, then leaves
// kDotOff blank, counted along the primitive; `phase` carries the count from
// one chord of an arc to the next.
struct PixelPen {
    static constexpr std::uint32_t kDotOn = 3;
    static constexpr std::uint32_t kDotOff = 3;
    static constexpr std::uint32_t kDotPeriod = kDotOn + kDotOff;

    std::uint32_t color = 0;
    bool dotted = false;
    std::uint32_t phase = 0;
};

}  // namespace orca
