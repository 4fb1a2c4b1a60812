#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "view/display_list.h"
#include "view/recording_surface.h"
#include "view/view_state.h"

namespace orca {

// Takes the dump piece by piece; false when it could not, which ends the dump.
using DumpOutput = std::function<bool(std::string_view piece)>;
// A piece holds whole lines and is given away once it reaches this size, so
// the dump costs the same little memory whatever the program's length.
inline constexpr std::size_t kPlotDumpPieceBytes = 64 * 1024;

// The text of the --dump command after a load onto a recording surface,
// handed to `output` as it is formatted:
//   V XMax XMin YMax YMin PlotScale
//   G x1 y1 x2 y2                                    one per grid line
//   L X1 Y1 X2 Y2 ColorIndex DrawStyle               one per LineItem
//   C X Y Radius ColorIndex StartAngle EndAngle DrawStyle   one per CircleItem
// Numbers are the shortest decimals that read back to the same value. The
// grid lines are the surface's drawing operations that came before the path.
// With `lineNumbers` every L and C line ends with the item's editor line.
// False when `output` failed.
[[nodiscard]] bool WritePlotDump(const ViewState& view, const DisplayList& list,
                                 const RecordingSurface& surface, const DumpOutput& output,
                                 bool lineNumbers = false);

}  // namespace orca
