#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app/qt/form1.h"
#include "app/ui/splitter_bar.h"
#include "app/ui/surface_view.h"
#include "document/qt/editor_pane.h"
#include "view/view_change.h"

namespace orca {

double Form1::twipsPerPixel() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

int Form1::toTwips(int px) const { return static_cast<int>(std::lround(px * twipsPerPixel())); }

int Form1::toPixels(int twips) const { return static_cast<int>(std::lround(twips / twipsPerPixel())); }

void Form1::Layout_Sub() {
    // The docked bars take their places first (on the first show they have not yet).
    if (layout()) layout()->activate();
    // The client area starts under the menu bar, as the window's own does.
    const int clientTop = menuBar()->isHidden() ? 0 : menuBar()->geometry().bottom() + 1;
    const QRect toolbar = toolbar1_->geometry();
    const QRect status = statusBar()->geometry();
    LayoutInput in;
    in.clientHeight = toTwips(height() - clientTop);
    in.outerWidth = toTwips(frameGeometry().width());
    in.toolbarTop = toTwips(toolbar.top() - clientTop);
    in.toolbarHeight = toTwips(toolbar.height());
    in.statusTop = toTwips(status.top() - clientTop);
    in.statusHeight = toTwips(status.height());
    in.splitLeft = splitLeft_;
    layout_ = orca::Layout_Sub(in);

    auto place = [&](QWidget* w, const TwipRect& r, int top) {
        w->setGeometry(toPixels(r.left), top + toPixels(r.top), toPixels(r.width), toPixels(r.height));
    };
    place(picSplit_, layout_.splitter, clientTop);
    picSplit_->setDragging(false);
    place(richCode_, layout_.editor, clientTop);
    place(picMain_, layout_.frame, clientTop);
    place(picBox1_, layout_.surface, 0);
    const std::array<const TwipRect*, 8> ring = {&layout_.up,      &layout_.down,     &layout_.left,
                                                 &layout_.right,   &layout_.leftUp,   &layout_.leftDown,
                                                 &layout_.rightUp, &layout_.rightDown};
    for (std::size_t i = 0; i < ring.size(); ++i) place(panButtons_[i], *ring[i], clientTop);
    place(progressWidget_, layout_.progress, clientTop);
    progressWidget_->raise();

    // The window takes the frame's size; its left and top stay (a pan survives, a zoom does not).
    ScaleWindow w = engine_.surface.window();
    const bool resized = w.ScaleHeight != static_cast<float>(layout_.frame.height) ||
                         w.ScaleWidth != static_cast<float>(layout_.frame.width);
    w.ScaleHeight = static_cast<float>(layout_.frame.height);
    w.ScaleWidth = static_cast<float>(layout_.frame.width);
    engine_.surface.setWindow(w);
    if (resized) scheduleViewReplay();
}

// A resized surface shows the picture again in its new size, without a
// refit. The replay waits for the resize events of one drag to settle.
void Form1::scheduleViewReplay() {
    if (replayPending_) return;
    replayPending_ = true;
    QTimer::singleShot(0, this, [this] {
        replayPending_ = false;
        if (!loading_ && !engine_.displayList.empty()) RedrawView(engine_);
    });
}

void Form1::Form_Resize() {
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized) return;
    Layout_Sub();
    WindowStateWrite(settings_, (state & Qt::WindowMaximized) ? 2 : 0);
}

void Form1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void Form1::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form1::picSplit_MouseDown(int xPx) {
    SplitDragging = -1;
    splitPressX_ = xPx;
    picSplit_->setDragging(true);
}

void Form1::picSplit_MouseMove(int xPx) {
    if (SplitDragging != -1) {
        picSplit_->raise();
        return;
    }
    splitLeft_ = SplitterDragLeft(splitLeft_, toTwips(xPx), toTwips(width()));
    picSplit_->move(toPixels(splitLeft_), picSplit_->y());
}

void Form1::picSplit_MouseUp(int xPx) {
    if (SplitDragging == -1) {
        // The drag ends where the button is released, whatever moves came
        // before; a click without a move leaves the splitter alone.
        if (xPx != splitPressX_) picSplit_MouseMove(xPx);
        SplitDragging = 0;
        picSplit_->setDragging(false);
        Layout_Sub();
    }
    richCode_->setFocus();
}

}  // namespace orca
