#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>
#include <cmath>

#include "app/command_line.h"
#include "app/qt/form1.h"
#include "document/qt/editor_pane.h"

namespace orca {
namespace {

// A window shown maximised gets its size from the window system a moment
// after the call. The layout, the surface height and a program named on the
// command line must fit the window the user sees, so the start waits until
// the window is on screen (a second at most).
void awaitShownSize(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (window.windowHandle() && !window.windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
}

}  // namespace

void Form1::startUp(const std::vector<std::string>& args) {
    switch (WindowStateOf(WindowStateRead(settings_))) {
        case WindowState::Maximized:
            showMaximized();
            awaitShownSize(*this);
            break;
        case WindowState::Minimized:
            showMinimized();
            break;
        case WindowState::Normal:
            showNormal();
            awaitShownSize(*this);
            break;
    }
    const EditorFontSetting font = FontRead_Sub(settings_);
    QFont paneFont = richCode_->paneFont();
    paneFont.setFamily(QString::fromStdString(font.name));
    if (font.size > 0) paneFont.setPointSizeF(font.size);
    paneFont.setBold(font.bold);
    paneFont.setItalic(font.italic);
    richCode_->setPaneFont(paneFont);

    const GridSetting grid = HouganRead_Sub(settings_);
    engine_.settings.HouganFlag = grid.flag;
    engine_.settings.HouganWidth = grid.width;
    engine_.settings.HoleRadius = HoleRadiusRead(settings_);
    engine_.settings.StandardReading = StandardReadingRead(settings_);
    engine_.view.SurfaceHeight =
        static_cast<std::int32_t>(std::nearbyint(engine_.surface.window().ScaleHeight));

    if (const auto path = CommandLinePath(args)) loadDocument(*path, LoadRoute::CommandLine);
    HistoryRead_Sub();
}

}  // namespace orca
