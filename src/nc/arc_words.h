#pragma once

#include "geometry/arc_centre.h"
#include "geometry/arc_extremes.h"

namespace orca {

class NcLine;
class MessageSink;
struct NcModalState;

inline constexpr const char* kCalcErrorMessage = "計算でエラーが発生しました";

// The turn of the modal motion: G02 clockwise, anything else counter-clockwise.
ArcTurn ArcTurnOf(const NcModalState& st);

// Centre of the circular move of one line, from R (either sign) or from I/J.
// When its words or its arithmetic fail it shows the calculation-error
// message, leaves (xc, yc) untouched and returns false.
[[nodiscard]] bool G02G03XcYcGet_Sub(const NcLine& line, const NcModalState& st, MessageSink& messages,
                                     double& xc, double& yc);

// The sweep of one line's arc for both extreme-point routines; a centre that
// could not be computed is (0, 0) and has shown the message once.
struct LineArcSweep : ArcSweep {
    bool centreFailed;
};
LineArcSweep ArcSweepGet(const NcLine& line, const NcModalState& st, MessageSink& messages);

}  // namespace orca
