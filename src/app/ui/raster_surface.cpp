#include "app/ui/raster_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace orca {
namespace {

constexpr QRgb kBackground = 0xFF000000u;

}  // namespace

RasterSurface::RasterSurface(int widthPx, int heightPx) { resizePixels(widthPx, heightPx); }

void RasterSurface::resizePixels(int widthPx, int heightPx) {
    const QImage previous =
        std::exchange(image_, QImage(std::max(1, widthPx), std::max(1, heightPx), QImage::Format_RGB32));
    // The picture stays where it was, as a resized window shows it until the next draw.
    placePicture(previous);
    // The next call maps afresh; a zero window is never usable anyway.
    mappedWindow_ = ScaleWindow{0.0f, 0.0f, 0.0f, 0.0f};
    mapping_.usable = false;
}

void RasterSurface::takePicture(const RasterSurface& drawn) { placePicture(drawn.image_); }

void RasterSurface::placePicture(const QImage& from) {
    const int keepWidth = std::min(image_.width(), from.width());
    const int keepHeight = std::min(image_.height(), from.height());
    if (keepWidth < image_.width() || keepHeight < image_.height()) image_.fill(kBackground);
    for (int y = 0; y < keepHeight; ++y) {
        std::memcpy(image_.scanLine(y), from.constScanLine(y), static_cast<std::size_t>(keepWidth) * 4);
    }
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
    DrawMappedLine(canvas(), mapping(), x1, y1, x2, y2, colorIndex, DrawStyle() == kDotted);
}

void RasterSurface::Circle(float x, float y, float radius, int colorIndex, float startAngle, float endAngle) {
    DrawMappedCircle(canvas(), mapping(), x, y, radius, colorIndex, startAngle, endAngle,
                     DrawStyle() == kDotted);
}

void RasterSurface::Replay(const DisplayList& list) { ReplayPixels(list, canvas(), mapping(), arcStarts_); }

}  // namespace orca
