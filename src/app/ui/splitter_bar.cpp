#include "app/ui/splitter_bar.h"

#include <QMouseEvent>

namespace orca {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
    setObjectName("picSplit");
    setAutoFillBackground(true);
    setCursor(Qt::SplitHCursor);
    setMouseTracking(true);
    setDragging(false);
}

void SplitterBar::setDragging(bool dragging) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(dragging ? QPalette::Dark : QPalette::Button));
    setPalette(pal);
}

void SplitterBar::mousePressEvent(QMouseEvent* e) { emit pressed(static_cast<int>(e->position().x())); }

void SplitterBar::mouseMoveEvent(QMouseEvent* e) { emit moved(static_cast<int>(e->position().x())); }

void SplitterBar::mouseReleaseEvent(QMouseEvent* e) { emit released(static_cast<int>(e->position().x())); }

}  // namespace orca
