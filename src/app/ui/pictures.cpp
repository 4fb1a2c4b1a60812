#include "app/ui/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <functional>

namespace orca {
namespace {

constexpr int kSize = 32;

QPixmap painted(const std::function<void(QPainter&)>& draw, int size = kSize) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return pm;
}

QPen outline(const QColor& c, double width = 1.6) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void folder(QPainter& p) {
    p.setPen(outline(QColor(120, 84, 10)));
    p.setBrush(QColor(250, 205, 90));
    QPolygonF back({{3, 8}, {12, 8}, {15, 11}, {28, 11}, {28, 26}, {3, 26}});
    p.drawPolygon(back);
    p.setBrush(QColor(255, 225, 130));
    QPolygonF front({{3, 26}, {7, 15}, {31, 15}, {27, 26}});
    p.drawPolygon(front);
}

void floppy(QPainter& p) {
    p.setPen(outline(QColor(20, 40, 90)));
    p.setBrush(QColor(60, 100, 180));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(60, 100, 180));
    p.drawRect(QRectF(18, 6, 3, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
}

void redraw(QPainter& p) {
    p.setPen(outline(QColor(20, 120, 40), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 120, 40));
    p.drawPolygon(QPolygonF({{17, 2}, {25, 8}, {16, 12}}));
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(outline(QColor(60, 60, 60), 4.0));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(outline(QColor(40, 60, 110), 2.0));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(QPointF(13, 13), 9.5, 9.5);
    p.setPen(outline(QColor(20, 20, 20), 2.4));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (plus) p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
}

void trace(QPainter& p) {
    p.setPen(outline(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::black);
    p.drawRect(QRectF(2, 2, 28, 28));
    QPen path(QColor(0, 220, 220), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(path);
    QPainterPath route(QPointF(6, 25));
    route.lineTo(12, 10);
    route.lineTo(19, 20);
    route.quadTo(23, 6, 27, 8);
    p.setBrush(Qt::NoBrush);
    p.drawPath(route);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 80));
    p.drawEllipse(QPointF(19, 20), 3, 3);
}

void stop(QPainter& p) {
    p.setPen(outline(QColor(120, 0, 0), 1.6));
    p.setBrush(QColor(220, 30, 30));
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45.0 * i) * 3.141592654 / 180.0;
        octagon << QPointF(16 + 14 * std::cos(a), 16 + 14 * std::sin(a));
    }
    p.drawPolygon(octagon);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 13.5, 14, 5));
}

void settings(QPainter& p) {
    p.setPen(QPen(QColor(0, 128, 128), 1.0, Qt::DotLine));
    for (int v = 5; v <= 27; v += 5) {
        p.drawLine(QPointF(v, 3), QPointF(v, 29));
        p.drawLine(QPointF(3, v), QPointF(29, v));
    }
    p.setPen(outline(QColor(60, 60, 60), 1.4));
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QPointF(20, 20), 8, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20, 20), 3, 3);
}

void arrow(QPainter& p, PanDirection d, int size) {
    static const std::array<double, 8> kAngles = {-90, 90, 180, 0, -135, 135, -45, 45};
    p.translate(size / 2.0, size / 2.0);
    p.rotate(kAngles[static_cast<int>(d)]);
    const double s = size / 2.0 - 0.5;
    const QColor ink(30, 30, 30);
    p.setPen(QPen(ink, size / 7.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-s, 0), QPointF(0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({{s, 0}, {-s * 0.1, -s * 0.7}, {-s * 0.1, s * 0.7}}));
}

}  // namespace

QIcon ToolbarImage(int index) {
    switch (index) {
        case 1:
            return QIcon(painted(folder));
        case 2:
            return QIcon(painted(floppy));
        case 3:
            return QIcon(painted(redraw));
        case 4:
            return QIcon(painted([](QPainter& p) { magnifier(p, true); }));
        case 5:
            return QIcon(painted([](QPainter& p) { magnifier(p, false); }));
        case 6:
            return QIcon(painted(trace));
        case 7:
            return QIcon(painted(stop));
        case 8:
            return QIcon(painted(settings));
        default:
            return {};
    }
}

QIcon PanArrow(PanDirection direction) {
    return QIcon(painted([direction](QPainter& p) { arrow(p, direction, 14); }, 14));
}

QPixmap ToolMarkerPicture() {
    return painted([](QPainter& p) {
        p.setPen(QPen(QColor(255, 60, 60), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.drawLine(QPointF(16, 2), QPointF(16, 30));
        p.drawLine(QPointF(2, 16), QPointF(30, 16));
    });
}

QPixmap AppPicture() { return painted(trace); }

}  // namespace orca
