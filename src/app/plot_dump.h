#pragma once

#include <string>

#include "view/display_list.h"
#include "view/recording_surface.h"
#include "view/view_state.h"

namespace orca {

// The text of the --dump command after a load onto a recording surface:
//   V XMax XMin YMax YMin PlotScale
//   G x1 y1 x2 y2                                    one per grid line
//   L X1 Y1 X2 Y2 ColorIndex DrawStyle               one per LineItem
//   C X Y Radius ColorIndex StartAngle EndAngle DrawStyle   one per CircleItem
// Numbers are the shortest decimals that read back to the same value. The
// grid lines are the surface's drawing operations that came before the path.
std::string FormatPlotDump(const ViewState& view, const DisplayList& list, const RecordingSurface& surface);

}  // namespace orca
