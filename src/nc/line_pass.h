#pragma once

#include "base/guarded.h"
#include "nc/program_line.h"

namespace orca {

struct PlotEngine;

// One pass's work on one program line (LineMaxMinGet_Sub, LineRouteDsp_Sub)
// and the word reading it takes its lines in.
struct LinePass {
    void (*run)(PlotEngine&, const NcLine&);
    bool standardReading;
};

// Runs one line through a pass. A line whose arithmetic fails is abandoned:
// its move is neither drawn nor counted and the tool stays where it was,
// and the pass goes on with the next line. Whatever the user had to be told
// the pass has already said, so the failure needs nothing more here.
inline void RunLine(LinePass pass, PlotEngine& engine, const ProgramLine& line) {
    if (!line.skipped) static_cast<void>(Guarded([&] { pass.run(engine, line.words); }));
}

}  // namespace orca
