#pragma once

#include <QPoint>
#include <QWidget>
#include <cstdint>

#include "app/ui/raster_surface.h"
#include "view/display_list.h"

namespace orca {

// The drawing surface picBox1: a raster surface the size of the widget. The
// widget shows the surface's picture and repaints it when uncovered; what is
// drawn reaches the screen at the next paint. The items of one editor line
// can be shown highlighted over the picture, on the screen only: neither the
// picture nor the display list changes. The mouse is reported in pixels of
// the picture (a pixel's centre at i + 0.5).
class SurfaceView : public QWidget {
    Q_OBJECT

public:
    // A press that moves farther than this many pixels is a drag, not a click.
    static constexpr int kClickSlopPx = 4;

    explicit SurfaceView(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const RasterSurface& raster() const { return surface_; }
    // Shows what was drawn on another surface of this one's size; the
    // window is left to the caller.
    void showPicture(const RasterSurface& drawn);

    // Highlights what `line` (1-based, 0: nothing) drew, as `list` records it.
    void setHighlight(const DisplayList* list, std::int32_t line);
    std::int32_t highlightedLine() const { return highlightLine_; }

signals:
    // A left click that did not move.
    void clicked(QPointF px);
    void doubleClicked(QPointF px);
    // A drag with the left or the middle button began, and has since moved
    // the mouse by `delta` pixels.
    void dragStarted();
    void dragged(QPointF delta);
    // Whole wheel notches, positive away from the user.
    void wheelTurned(QPointF px, int notches);
    void mouseMovedOver(QPointF px);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void leaveEvent(QEvent* e) override;

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

    void paintHighlight(QPainter& p) const;

    Shown surface_;
    const DisplayList* highlightList_ = nullptr;
    std::int32_t highlightLine_ = 0;

    enum class Press { None, Click, Drag, Ignored };
    Press press_ = Press::None;
    QPointF pressAt_;
    int wheelRemainder_ = 0;
};

}  // namespace orca
