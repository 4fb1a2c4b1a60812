#include "nc/view_fit.h"

#include <algorithm>

#include "base/guarded.h"
#include "nc/plot_engine.h"
#include "view/surface_mapping.h"

namespace orca {
namespace {

double fittedScale(const ViewState& v, const ScaleWindow& w) {
    // Negative maxima count as 0 so that the origin always lies in view.
    const double xMax = std::max(v.XMax, 0.0);
    const double yMax = std::max(v.YMax, 0.0);
    const double pw = checked(xMax - v.XMin);
    const double ph = checked(yMax - v.YMin);
    const double width = w.ScaleWidth;
    const double height = w.ScaleHeight;
    if (pw == 0 && ph == 0) return 0;
    double scale;
    if (pw == 0) {
        scale = guardedDiv(height, ph);
    } else if (ph == 0) {
        scale = guardedDiv(width, pw);
    } else {
        const double aspect = checked(pw / ph);
        if (aspect < 1) {
            scale = guardedDiv(height, ph);
        } else {
            const float surfaceAspect = static_cast<float>(width / height);
            scale =
                surfaceAspect > static_cast<float>(aspect) ? guardedDiv(height, ph) : guardedDiv(width, pw);
        }
    }
    return checked(scale * 0.95);
}

}  // namespace

bool FitView(PlotEngine& engine) {
    const std::optional<double> scale =
        Guarded([&engine] { return fittedScale(engine.view, engine.surface.window()); });
    if (!scale || *scale == 0) return false;
    engine.view.PlotScale = *scale;
    return true;
}

void ResetWindow(PlotEngine& engine, float frameWidth, float frameHeight) {
    engine.surface.setWindow({0.0f, 0.0f, frameWidth, frameHeight});
    engine.view.SurfaceHeight = roundedHeight(engine.surface);
}

}  // namespace orca
