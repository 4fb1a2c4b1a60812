#include <cmath>

#include "app/command_line.h"
#include "app/qt/form1.h"
#include "app/ui/editor_pane.h"

namespace orca {

void Form1::startUp(const std::vector<std::string>& args) {
    switch (WindowStateOf(WindowStateRead(settings_))) {
        case WindowState::Maximized:
            showMaximized();
            break;
        case WindowState::Minimized:
            showMinimized();
            break;
        case WindowState::Normal:
            showNormal();
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
    engine_.view.SurfaceHeight =
        static_cast<std::int32_t>(std::nearbyint(engine_.surface.window().ScaleHeight));

    if (const auto path = CommandLinePath(args)) loadDocument(*path, LoadRoute::CommandLine);
    HistoryRead_Sub();
}

}  // namespace orca
