#include "document/qt/title_fit.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace orca {
namespace {

// The title in a bold title-bar font, and room for the window icon and the
// three buttons beside it, each about a line high and square.
int titleFittingWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 4 * (metrics.height() + 12);
}

}  // namespace

void MakeTitleFit(QDialog& dialog) {
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(titleFittingWidth(dialog.windowTitle()), 0, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace orca
