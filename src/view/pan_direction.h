#pragma once

namespace orca {

// The eight pan buttons around the drawing, by the way the view moves.
enum class PanDirection { Up, Down, Left, Right, LeftUp, LeftDown, RightUp, RightDown };

}  // namespace orca
