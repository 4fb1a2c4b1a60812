#include "app/ui/surface_view.h"

#include <QPainter>

namespace orca {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent), surface_(*this) {
    setObjectName("picBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::paintEvent(QPaintEvent*) {
    surface_.painted();
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
}

void SurfaceView::resizeEvent(QResizeEvent*) { surface_.resizePixels(width(), height()); }

void SurfaceView::showPicture(const RasterSurface& drawn) {
    surface_.takePicture(drawn);
    update();
}

void SurfaceView::Shown::Cls() {
    RasterSurface::Cls();
    touched();
}

void SurfaceView::Shown::Line(float x1, float y1, float x2, float y2, int colorIndex) {
    RasterSurface::Line(x1, y1, x2, y2, colorIndex);
    touched();
}

void SurfaceView::Shown::Circle(float x, float y, float radius, int colorIndex, float startAngle,
                                float endAngle) {
    RasterSurface::Circle(x, y, radius, colorIndex, startAngle, endAngle);
    touched();
}

void SurfaceView::Shown::Replay(const DisplayList& list) {
    RasterSurface::Replay(list);
    touched();
}

void SurfaceView::Shown::touched() {
    if (pending_) return;
    pending_ = true;
    view_.update();
}

}  // namespace orca
