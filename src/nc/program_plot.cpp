#include "nc/program_plot.h"

#include "geometry/guarded.h"
#include "nc/extents_pass.h"
#include "nc/plot_engine.h"
#include "nc/tool_path_pass.h"
#include "nc/view_fit.h"
#include "view/grid.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orca {

std::size_t FindLineEnd(std::string_view text, std::size_t from) {
    const std::size_t n = text.size();
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const int mask =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    while (i < n && text[i] != '\r' && text[i] != '\n') ++i;
    return i;
}

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
