#include "nc/program_plot.h"

#include "base/records.h"
#include "nc/extents_pass.h"
#include "nc/line_pass.h"
#include "nc/plot_engine.h"
#include "nc/tool_path_pass.h"
#include "nc/view_fit.h"
#include "view/grid.h"

namespace orca {

std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress) {
    engine.view.resetExtents();
    engine.nc.startExtentsPass();
    engine.surface.Cls();

    ForEachRecord(text, [&engine](std::string_view record) { RunLine(LineMaxMinGet_Sub, engine, record); });

    const bool draws = FitView(engine);
    if (draws) Kukaku_Dsp(engine);
    engine.nc.startToolPathPass(engine.settings.IncFlagDefault);
    engine.displayList.clear();

    std::string editorText;
    editorText.reserve(text.size() + text.size() / 16 + 2);
    // Every record becomes one editor line.
    engine.lineNumber = 0;
    ForEachRecord(text, [&](std::string_view record) {
        editorText.append(record);
        editorText.append("\r\n");
        ++engine.lineNumber;
        if (draws) RunLine(LineRouteDsp_Sub, engine, record);
        if (progress) progress(editorText.size());
    });
    return editorText;
}

}  // namespace orca
