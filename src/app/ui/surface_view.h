#pragma once

#include <QWidget>

#include "app/ui/raster_surface.h"

namespace orca {

// The drawing surface picBox1: a raster surface the size of the widget. The
// widget shows the surface's picture and repaints it when uncovered; what is
// drawn reaches the screen at the next paint.
class SurfaceView : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceView(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const RasterSurface& raster() const { return surface_; }
    // Shows what was drawn on another surface of this one's size; the
    // window is left to the caller.
    void showPicture(const RasterSurface& drawn);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Asks for one repaint per batch of drawing, not one per primitive.
    class Shown : public RasterSurface {
    public:
        explicit Shown(QWidget& view) : RasterSurface(1, 1), view_(view) {}
        void Cls() override;
        void Line(float x1, float y1, float x2, float y2, int colorIndex) override;
        void Circle(float x, float y, float radius, int colorIndex, float startAngle,
                    float endAngle) override;
        void Replay(const DisplayList& list) override;
        void painted() { pending_ = false; }

    private:
        void touched();

        QWidget& view_;
        bool pending_ = false;
    };

    Shown surface_;
};

}  // namespace orca
