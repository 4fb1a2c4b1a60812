#pragma once

#include <cstdint>

namespace orca {

struct DrawSettings {
    std::int16_t IncFlagDefault = 0;
    std::int16_t TraceSpeed = 5;
    std::int16_t TraceSpeedMax = 5;
    bool HouganFlag = true;
    std::int16_t HouganWidth = 100;
    // Radius of a drilled hole's marker, in program units.
    double HoleRadius = 3.0;
    // Words are read the way most CAM systems write them (G0-G3, either
    // case, ";" comments) instead of this program's own three-character way.
    bool StandardReading = false;
};

}  // namespace orca
