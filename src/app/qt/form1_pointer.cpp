#include "app/qt/form1.h"

// The mouse on the drawing and the caret in the text, tied together: a
// click selects the line that drew what it hit, the caret's line is shown
// highlighted, the wheel zooms about the mouse, a drag pans, a double click
// fits again, and the status bar's right end reads the program point.

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <cstdio>
#include <cstdlib>

#include "app/qt/form_commands.h"
#include "app/ui/surface_view.h"
#include "document/qt/editor_pane.h"
#include "view/pan.h"
#include "view/program_point.h"
#include "view/window_pixels.h"
#include "view/zoom.h"

namespace orca {

void Form1::bindDrawingPointer() {
    stsCoords_ = new QLabel(this);
    stsCoords_->setObjectName("stsCoords");
    statusBar()->addPermanentWidget(stsCoords_);

    auto* stop = new QAction(this);
    stop->setObjectName("actStopRun");
    stop->setShortcut(Qt::Key_Escape);
    // Esc stops whatever runs: a load in the background, else a trace.
    connect(stop, &QAction::triggered, this, [this] {
        if (loadInBackground_) {
            cancelLoad();
        } else {
            stopRunningDraw();
        }
    });
    addAction(stop);

    connect(richCode_, &QsciScintilla::cursorPositionChanged, this,
            [this](int line, int) { picBox1_->setHighlight(&engine_.displayList, line + 1); });
    connect(picBox1_, &SurfaceView::clicked, this, &Form1::picBox1_Click);
    connect(picBox1_, &SurfaceView::doubleClicked, this, [this] { mnuViewReDsp_Click(); });
    connect(picBox1_, &SurfaceView::wheelTurned, this, &Form1::picBox1_Wheel);
    connect(picBox1_, &SurfaceView::dragStarted, this, [this] { dragWindow_ = engine_.surface.window(); });
    connect(picBox1_, &SurfaceView::dragged, this, &Form1::picBox1_Drag);
    connect(picBox1_, &SurfaceView::mouseMovedOver, this, &Form1::picBox1_MouseMove);
    connect(picBox1_, &SurfaceView::mouseLeft, stsCoords_, &QLabel::clear);
    picBox1_->setHighlight(&engine_.displayList, 1);
}

WindowPixels Form1::surfacePixels() const {
    const RasterSurface& raster = picBox1_->raster();
    return WindowPixels::Of(raster.window(), raster.widthPx(), raster.heightPx());
}

void Form1::drawingReplaced() { hitIndex_.reset(); }

void Form1::picBox1_Click(QPointF px) {
    const DisplayList& list = engine_.displayList;
    if (loading_ || list.empty()) return;
    if (!hitIndex_.builtFor(list)) hitIndex_.build(list);
    const std::optional<Hit> hit = hitIndex_.Nearest(list, surfacePixels(), px.x(), px.y(), kHitTolerancePx);
    if (!hit || hit->lineNumber <= 0) return;
    richCode_->showLine(hit->lineNumber - 1);
    if (commands().driver.DrawBusy() == 0) lineDspToStatusBar_Sub();
}

void Form1::picBox1_Wheel(QPointF px, int notches) {
    if (refusedDuringLoad() || !surfacePixels().usable) return;
    // Each notch maps the mouse again: an earlier one may have moved the window.
    for (int i = 0; i < std::abs(notches); ++i) {
        const WindowPixels now = surfacePixels();
        ViewScaleAbout_Sub(engine_, commands().viewHost, now.x(px.x()), now.y(px.y()), notches > 0);
    }
}

void Form1::picBox1_Drag(QPointF delta) {
    if (refusedDuringLoad()) return;
    const RasterSurface& raster = picBox1_->raster();
    DragView(engine_, commands().viewHost, dragWindow_, delta.x(), delta.y(), raster.widthPx(),
             raster.heightPx());
}

void Form1::picBox1_MouseMove(QPointF px) {
    const WindowPixels m = surfacePixels();
    const std::optional<ProgramPoint> at =
        m.usable ? ProgramPointAt(engine_.view, m.x(px.x()), m.y(px.y())) : std::nullopt;
    if (!at) {
        stsCoords_->clear();
        return;
    }
    char text[96];
    std::snprintf(text, sizeof text, "X %.3f  Y %.3f", at->x, at->y);
    stsCoords_->setText(QString::fromLatin1(text));
}

}  // namespace orca
