#pragma once

#include <string_view>

#include "base/guarded.h"

namespace orca {

struct PlotEngine;

// One pass's work on one program line (LineMaxMinGet_Sub, LineRouteDsp_Sub).
using LinePass = void (*)(PlotEngine&, std::string_view);

// Runs one line through a pass. A line whose arithmetic fails is abandoned:
// its move is neither drawn nor counted and the tool stays where it was,
// and the pass goes on with the next line. Whatever the user had to be told
// the pass has already said, so the failure needs nothing more here.
inline void RunLine(LinePass pass, PlotEngine& engine, std::string_view line) {
    static_cast<void>(Guarded([&] { pass(engine, line); }));
}

}  // namespace orca
