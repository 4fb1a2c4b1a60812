#pragma once

#include <cstdint>

namespace orca {

// A 32-bit pixel buffer seen by the rasterising routines. Pixel (i, j) covers
// [i, i + 1) x [j, j + 1) in pixel coordinates; rows grow downwards.
struct PixelCanvas {
    std::uint32_t* bits;
    int stride;  // pixels from one row to the next
    int width;
    int height;
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
