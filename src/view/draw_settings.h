#pragma once

#include <cstdint>

namespace orca {

// What the drawing-settings dialog sets.
struct DrawSettings {
    std::int16_t IncFlagDefault = 0;  // the coordinate mode each draw starts in (1 incremental)
    std::int16_t TraceSpeed = 5;      // 0 slowest to TraceSpeedMax (no pause between lines)
    std::int16_t TraceSpeedMax = 5;
    bool HouganFlag = true;          // the grid is drawn
    std::int16_t HouganWidth = 100;  // grid spacing in program units
    // Radius of a drilled hole's marker, in program units.
    double HoleRadius = 3.0;
    // Words are read the way most CAM systems write them (G0-G3, either
    // case, ";" comments) instead of this program's own three-character way.
    bool StandardReading = false;
};

}  // namespace orca
