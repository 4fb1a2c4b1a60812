#include "app/ui/raster_surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

#include "view/palette.h"
#include "view/pixel_arc.h"
#include "view/pixel_line.h"

namespace orca {
namespace {

constexpr double kTurn = 2.0 * std::numbers::pi;
constexpr QRgb kBackground = 0xFF000000u;

constexpr std::array<std::uint32_t, Palette16.size()> kPixelColors = [] {
    std::array<std::uint32_t, Palette16.size()> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = 0xFF000000u | (std::uint32_t{Palette16[i].r} << 16) | (std::uint32_t{Palette16[i].g} << 8) |
                 Palette16[i].b;
    }
    return out;
}();

std::uint32_t pixelColor(int colorIndex) {
    return kPixelColors[static_cast<unsigned>(colorIndex) % kPixelColors.size()];
}

}  // namespace

RasterSurface::RasterSurface(int widthPx, int heightPx) { resizePixels(widthPx, heightPx); }

void RasterSurface::resizePixels(int widthPx, int heightPx) {
    QImage resized(std::max(1, widthPx), std::max(1, heightPx), QImage::Format_RGB32);
    resized.fill(kBackground);
    // The picture stays where it was, as a resized window shows it until the next draw.
    const int keepWidth = std::min(resized.width(), image_.width());
    for (int y = 0; y < std::min(resized.height(), image_.height()); ++y) {
        std::memcpy(resized.scanLine(y), image_.constScanLine(y), static_cast<std::size_t>(keepWidth) * 4);
    }
    image_ = std::move(resized);
    // The next call maps afresh; a zero window is never usable anyway.
    mappedWindow_ = ScaleWindow{0.0f, 0.0f, 0.0f, 0.0f};
    mapping_.usable = false;
}

void RasterSurface::Cls() { image_.fill(kBackground); }

const WindowPixels& RasterSurface::mapping() {
    const ScaleWindow& w = window();
    if (w.ScaleLeft == mappedWindow_.ScaleLeft && w.ScaleTop == mappedWindow_.ScaleTop &&
        w.ScaleWidth == mappedWindow_.ScaleWidth && w.ScaleHeight == mappedWindow_.ScaleHeight) {
        return mapping_;
    }
    mappedWindow_ = w;
    mapping_ = WindowPixels::Of(w, image_.width(), image_.height());
    return mapping_;
}

PixelCanvas RasterSurface::canvas() {
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), static_cast<int>(image_.bytesPerLine() / 4),
            image_.width(), image_.height()};
}

void RasterSurface::Line(float x1, float y1, float x2, float y2, int colorIndex) {
    const WindowPixels& m = mapping();
    if (!m.usable) return;
    PixelPen p{pixelColor(colorIndex), DrawStyle() == kDotted, 0};
    DrawLinePx(canvas(), m.u(x1), m.v(y1), m.u(x2), m.v(y2), p);
}

void RasterSurface::Circle(float x, float y, float radius, int colorIndex, float startAngle, float endAngle) {
    const WindowPixels& m = mapping();
    if (!m.usable || !std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
    const double start = std::fmod(static_cast<double>(startAngle), kTurn);
    double span = std::fmod(static_cast<double>(endAngle) - startAngle, kTurn);
    if (span <= 0.0) span += kTurn;  // equal angles: the full circle
    PixelPen p{pixelColor(colorIndex), DrawStyle() == kDotted, 0};
    DrawArcPx(canvas(), m.u(x), m.v(y), std::fabs(static_cast<double>(radius)) * m.sx,
              start < 0.0 ? start + kTurn : start, span, p);
}

}  // namespace orca
