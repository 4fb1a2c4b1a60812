#pragma once

#include <QImage>

#include "view/pixel_canvas.h"
#include "view/pixel_replay.h"
#include "view/surface.h"
#include "view/window_pixels.h"

namespace orca {

// The drawing surface as a 32-bit image with a black background. Every call
// maps surface units to pixels through the window in force at that moment
// and rasterises straight into the image's pixel buffer.
class RasterSurface : public Surface {
public:
    RasterSurface(int widthPx, int heightPx);

    const QImage& image() const { return image_; }
    int widthPx() const { return image_.width(); }
    int heightPx() const { return image_.height(); }
    // A new pixel size (at least 1 x 1); the picture keeps its top-left part
    // and the new area is black.
    void resizePixels(int widthPx, int heightPx);
    // The picture another surface drew (on another thread, say), kept to
    // this surface's size as a resize would keep it; the window stays.
    void takePicture(const RasterSurface& drawn);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, int colorIndex) override;
    void Circle(float x, float y, float radius, int colorIndex, float startAngle, float endAngle) override;
    void Replay(const DisplayList& list) override;

private:
    // The mapping of the current window, worked out again only when the
    // window or the image size has changed since the last call.
    const WindowPixels& mapping();
    PixelCanvas canvas();
    // `from`'s top-left part on a black image of this size.
    void placePicture(const QImage& from);

    QImage image_;
    ScaleWindow mappedWindow_{};
    WindowPixels mapping_;
    // Kept from one replay to the next: zoom and pan replay the same list.
    ArcStarts arcStarts_;
};

}  // namespace orca
