#pragma once

#include <optional>

#include "view/view_state.h"

namespace orca {

struct ProgramPoint {
    double x, y;
};

// The program point at surface point (u, v): the mapping of the draw run
// backwards, with the flip base the grid uses, so the point reads on the
// grid as drawn. Nothing before the first draw.
[[nodiscard]] inline std::optional<ProgramPoint> ProgramPointAt(const ViewState& view, double u, double v) {
    if (!(view.PlotScale > 0.0)) return std::nullopt;
    return ProgramPoint{view.XMin + u / view.PlotScale,
                        view.YMin + (view.SurfaceHeight - v) / view.PlotScale};
}

}  // namespace orca
