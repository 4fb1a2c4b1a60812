#include "bench_programs.h"

#include "base/guarded.h"
#include "base/records.h"
#include "nc/reading_passes.h"
#include "nc/view_fit.h"
#include "program_generator.h"
#include "view/recording_surface.h"

namespace orca {
namespace {

template <typename Pass>
void eachRecord(const std::string& text, PlotEngine& engine, Pass pass) {
    ForEachRecord(text, [&](std::string_view record) {
        try {
            pass(engine, record);
        } catch (const ArithmeticFault&) {
        }
    });
}

}  // namespace

const std::string& MillionLineProgram() {
    static const std::string text = GenerateProgram({kBenchLines, 1, true});
    return text;
}

bool RunBothPasses(PlotEngine& engine, const std::string& text) {
    NcModalState& nc = engine.nc;
    engine.view.resetExtents();
    nc = NcModalState{};
    eachRecord(text, engine, ExtentsPassFor(engine.settings.StandardReading));
    if (!FitView(engine)) return false;
    nc = NcModalState{};
    engine.displayList.clear();
    eachRecord(text, engine, ToolPathPassFor(engine.settings.StandardReading));
    return true;
}

const DisplayList& MillionLineDisplayList() {
    static const DisplayList list = [] {
        RecordingSurface surface(false);
        PlainToolMarker marker;
        SilentSink sink;
        PlotEngine engine(surface, marker, sink);
        ResetWindow(engine, kBenchWindowWidth, kBenchWindowHeight);
        RunBothPasses(engine, MillionLineProgram());
        return engine.displayList;
    }();
    return list;
}

}  // namespace orca
