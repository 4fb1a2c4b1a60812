#include "nc/extents_pass.h"

#include "geometry/arc_extremes.h"
#include "nc/line_words.h"
#include "nc/plot_engine.h"

namespace orca {
namespace {

void widen(ViewState& v, double x, double y) {
    if (x != MISSING_VALUE) {
        if (x > v.XMax) v.XMax = x;
        if (x < v.XMin) v.XMin = x;
    }
    if (y != MISSING_VALUE) {
        if (y > v.YMax) v.YMax = y;
        if (y < v.YMin) v.YMin = y;
    }
}

}  // namespace

void LineMaxMinGet_Sub(PlotEngine& engine, std::string_view text) {
    if (!text.empty() && text.front() == '(') return;
    text = WithoutComment(text);
    NcModalState& st = engine.nc;
    const NcLine line(text);

    // A later code of the same group overrides an earlier one.
    if (line.hasG(GCode::G00)) st.MotionMode = 0;
    if (line.hasG(GCode::G01)) st.MotionMode = 1;
    if (line.hasG(GCode::G02)) st.MotionMode = 2;
    if (line.hasG(GCode::G03)) st.MotionMode = 3;
    if (line.hasG(GCode::G28)) st.MotionMode = 0;
    if (line.hasG(GCode::G90)) st.IncFlag = 0;
    if (line.hasG(GCode::G91)) st.IncFlag = 1;

    if (st.MotionMode == 0 || st.MotionMode == 1) {
        const double x = XValGet(line, st);
        const double y = YValGet(line, st);
        widen(engine.view, x, y);
        if (x != MISSING_VALUE) st.CurX = x;
        if (y != MISSING_VALUE) st.CurY = y;
        return;
    }

    // Both extreme-point routines see the same arc; it is worked out once.
    const ArcSweep sweep = ArcSweepGet(line, st, engine.messages);
    double x = 0;
    double y = 0;
    G02G03BigXYGet_Sub(sweep, x, y);
    widen(engine.view, x, y);
    if (sweep.centreFailed) engine.messages.showMessage(kCalcErrorMessage);
    G02G03SmallXYGet_Sub(sweep, x, y);
    widen(engine.view, x, y);
    const double endX = XPosGet(line, st);
    const double endY = YPosGet(line, st);
    st.CurX = endX;
    st.CurY = endY;
}

}  // namespace orca
