#include "nc/program_plot.h"

#include "base/records.h"
#include "nc/plot_engine.h"
#include "nc/reading_passes.h"
#include "nc/view_fit.h"
#include "view/grid.h"

namespace orca {

std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress) {
    engine.view.resetExtents();
    engine.nc.startExtentsPass();
    engine.surface.Cls();

    const LinePass extents = ExtentsPassFor(engine.settings.StandardReading);
    ForEachRecord(text, [&engine, extents](std::string_view record) { RunLine(extents, engine, record); });

    const bool draws = FitView(engine);
    if (draws) Kukaku_Dsp(engine);
    engine.nc.startToolPathPass(engine.settings.IncFlagDefault);
    engine.displayList.clear();

    const LinePass toolPath = ToolPathPassFor(engine.settings.StandardReading);
    std::string editorText;
    editorText.reserve(text.size() + text.size() / 16 + 2);
    ForEachRecord(text, [&](std::string_view record) {
        editorText.append(record);
        editorText.append("\r\n");
        if (draws) RunLine(toolPath, engine, record);
        if (progress) progress(editorText.size());
    });
    return editorText;
}

}  // namespace orca
