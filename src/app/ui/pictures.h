#pragma once

#include <QIcon>
#include <QPixmap>

#include "view/pan_direction.h"

namespace orca {

// The toolbar's image list, drawn in code at 32 x 32: 1 open, 2 save,
// 3 redraw, 4 zoom in, 5 zoom out, 6 trace, 7 stop, 8 drawing settings.
QIcon ToolbarImage(int index);

QIcon PanArrow(PanDirection direction);

// The tool marker imgRoute (32 x 32, transparent around a cross-hair).
QPixmap ToolMarkerPicture();
// The program's icon, for the window and the About box.
QPixmap AppPicture();

}  // namespace orca
