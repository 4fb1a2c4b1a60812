#pragma once

#include <cstdint>

namespace orca {

// Interpreter state carried from line to line, shared by both passes.
struct NcModalState {
    std::int16_t MotionMode = 0;  // 0 rapid (G00, G28), 1 G01, 2 G02, 3 G03
    std::int16_t CannedCode = 0;  // 0, or 81..89 while a drilling cycle is active
    std::int16_t IncFlag = 0;     // only 1 means incremental
    double CurX = 0.0;
    double CurY = 0.0;

    bool incremental() const { return IncFlag == 1; }
    bool cycleActive() const { return CannedCode >= 81 && CannedCode <= 89; }
};

}  // namespace orca
