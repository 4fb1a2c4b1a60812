#pragma once

#include <QWidget>

namespace orca {

// The splitter bar picSplit. It reports presses, moves (pointer x in its own
// pixels) and releases; the main window decides where it goes.
class SplitterBar : public QWidget {
    Q_OBJECT

public:
    explicit SplitterBar(QWidget* parent = nullptr);

    // Button-shadow colour while dragged, button face otherwise.
    void setDragging(bool dragging);

signals:
    void pressed(int x);
    void moved(int xPx);
    void released(int x);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace orca
