#include "app/ui/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <numbers>

#include "view/line_items.h"
#include "view/window_pixels.h"

namespace orca {
namespace {

constexpr QColor kHighlight{255, 255, 0};
constexpr double kHighlightWidthPx = 2.0;
constexpr int kNotch = 120;  // wheel angle units per notch
constexpr double kTurn = 2.0 * std::numbers::pi;
// Qt's arcs take sixteenths of a degree.
constexpr double kSixteenthsPerRadian = 16.0 * 180.0 / std::numbers::pi;

QPointF pixelOf(const QMouseEvent* e) { return e->position() + QPointF(0.5, 0.5); }

}  // namespace

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent), surface_(*this) {
    setObjectName("picBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void SurfaceView::setHighlight(const DisplayList* list, std::int32_t line) {
    if (list == highlightList_ && line == highlightLine_) return;
    highlightList_ = list;
    highlightLine_ = line;
    update();
}

void SurfaceView::paintEvent(QPaintEvent*) {
    surface_.painted();
    QPainter p(this);
    p.drawImage(0, 0, surface_.image());
    paintHighlight(p);
}

// The items are mapped as the surface maps them; the painter's pixel
// centres are at i + 0.5 as the mapping's are.
void SurfaceView::paintHighlight(QPainter& p) const {
    if (!highlightList_) return;
    const LineItems items = ItemsOfLine(*highlightList_, highlightLine_);
    if (items.empty()) return;
    const WindowPixels m = WindowPixels::Of(surface_.window(), surface_.widthPx(), surface_.heightPx());
    if (!m.usable) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kHighlight, kHighlightWidthPx, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const LineItem& l : items.lines)
        p.drawLine(QPointF(m.u(l.X1), m.v(l.Y1)), QPointF(m.u(l.X2), m.v(l.Y2)));
    for (const CircleItem& c : items.circles) {
        const double r = std::fabs(c.Radius) * m.sx;
        const QRectF box(m.u(c.X) - r, m.v(c.Y) - r, 2 * r, 2 * r);
        const auto start = static_cast<double>(static_cast<float>(c.StartAngle));
        double span = std::fmod(static_cast<double>(static_cast<float>(c.EndAngle)) - start, kTurn);
        if (span <= 0.0) span += kTurn;
        p.drawArc(box, static_cast<int>(std::lround(std::fmod(start, kTurn) * kSixteenthsPerRadian)),
                  static_cast<int>(std::lround(span * kSixteenthsPerRadian)));
    }
}

void SurfaceView::resizeEvent(QResizeEvent*) { surface_.resizePixels(width(), height()); }

void SurfaceView::mousePressEvent(QMouseEvent* e) {
    pressAt_ = pixelOf(e);
    if (e->button() == Qt::MiddleButton) {
        press_ = Press::Drag;
        emit dragStarted();
    } else {
        press_ = e->button() == Qt::LeftButton ? Press::Click : Press::Ignored;
    }
}

void SurfaceView::mouseMoveEvent(QMouseEvent* e) {
    const QPointF at = pixelOf(e);
    emit mouseMovedOver(at);
    const QPointF delta = at - pressAt_;
    if (press_ == Press::Click && std::max(std::fabs(delta.x()), std::fabs(delta.y())) > kClickSlopPx) {
        press_ = Press::Drag;
        emit dragStarted();
    }
    if (press_ == Press::Drag) emit dragged(delta);
}

void SurfaceView::mouseReleaseEvent(QMouseEvent*) {
    if (press_ == Press::Click) emit clicked(pressAt_);
    press_ = Press::None;
}

// The second press of a double click: its release is no click of its own.
void SurfaceView::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        press_ = Press::Ignored;
        emit doubleClicked(pixelOf(e));
    } else {
        mousePressEvent(e);
    }
}

void SurfaceView::wheelEvent(QWheelEvent* e) {
    // Fine-grained wheels and touchpads send parts of a notch.
    wheelRemainder_ += e->angleDelta().y();
    const int notches = wheelRemainder_ / kNotch;
    wheelRemainder_ -= notches * kNotch;
    if (notches != 0) emit wheelTurned(e->position() + QPointF(0.5, 0.5), notches);
    e->accept();
}

void SurfaceView::leaveEvent(QEvent*) { emit mouseLeft(); }

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
