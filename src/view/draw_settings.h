#pragma once

#include <cstdint>

namespace orca {

struct DrawSettings {
    std::int16_t IncFlagDefault = 0;
    std::int16_t TraceSpeed = 5;
    std::int16_t TraceSpeedMax = 5;
    bool HouganFlag = true;
    std::int16_t HouganWidth = 100;
};

}  // namespace orca
