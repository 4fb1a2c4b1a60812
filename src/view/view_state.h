#pragma once

#include <cstdint>

namespace orca {

inline constexpr double kExtentStart = -99999.999;

// Extents of the path in program units, the fitted scale, and the Y flip base
// the grid shares with the tool-path pass.
struct ViewState {
    double XMax = 0.0;
    double XMin = 0.0;
    double YMax = 0.0;
    double YMin = 0.0;
    double PlotScale = 0.0;
    std::int32_t SurfaceHeight = 0;

    void resetExtents() {
        XMax = YMax = kExtentStart;
        XMin = YMin = 0.0;
    }
};

}  // namespace orca
