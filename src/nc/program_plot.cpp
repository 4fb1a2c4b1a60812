#include "nc/program_plot.h"

#include "geometry/guarded.h"
#include "nc/extents_pass.h"
#include "nc/plot_engine.h"
#include "nc/tool_path_pass.h"
#include "nc/view_fit.h"
#include "view/grid.h"

namespace orca {

std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress) {
    NcModalState& st = engine.nc;
    engine.view.resetExtents();
    st.MotionMode = 0;
    st.CurX = st.CurY = 0;
    engine.surface.Cls();

    // A record whose arithmetic fails is abandoned for that pass only.
    ForEachRecord(text, [&engine](std::string_view record) {
        try {
            LineMaxMinGet_Sub(engine, record);
        } catch (const ArithmeticFault&) {
        }
    });

    const bool draws = FitView(engine);
    st.MotionMode = 0;
    st.CurX = st.CurY = 0;
    if (draws) Kukaku_Dsp(engine);
    st.CannedCode = 0;
    st.IncFlag = engine.settings.IncFlagDefault;
    engine.displayList.clear();

    std::string editorText;
    editorText.reserve(text.size() + text.size() / 16 + 2);
    ForEachRecord(text, [&](std::string_view record) {
        editorText.append(record);
        editorText.append("\r\n");
        if (draws) {
            try {
                LineRouteDsp_Sub(engine, record);
            } catch (const ArithmeticFault&) {
            }
        }
        if (progress) progress(editorText.size());
    });
    return editorText;
}

}  // namespace orca
