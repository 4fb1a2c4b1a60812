#include "bench_programs.h"

#include "nc/program_plot.h"
#include "nc/view_fit.h"
#include "program_generator.h"
#include "view/recording_surface.h"

namespace orca {
const std::string& MillionLineProgram() {
    static const std::string text = GenerateProgram({kBenchLines, 1, true});
    return text;
}

const DisplayList& MillionLineDisplayList() {
    static const DisplayList list = [] {
        RecordingSurface surface(false);
        PlainToolMarker marker;
        SilentSink sink;
        PlotEngine engine(surface, marker, sink);
        ResetWindow(engine, kBenchWindowWidth, kBenchWindowHeight);
        static_cast<void>(PlotLoadedProgram(engine, MillionLineProgram()));
        return engine.displayList;
    }();
    return list;
}

}  // namespace orca
