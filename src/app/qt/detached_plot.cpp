#include "app/qt/detached_plot.h"

#include "app/ui/surface_view.h"

namespace orca {

DetachedPlot::DetachedPlot(const PlotEngine& window, const RasterSurface& shown)
    : surface_(shown.widthPx(), shown.heightPx()), engine_(surface_, marker_, messages_) {
    surface_.setWindow(window.surface.window());
    surface_.setDrawStyle(window.surface.DrawStyle());
    marker_.visible = window.marker.Visible();
    marker_.width = window.marker.Width();
    marker_.height = window.marker.Height();
    engine_.view = window.view;
    engine_.settings = window.settings;
    engine_.nc = window.nc;
}

void DetachedPlot::applyTo(PlotEngine& window, SurfaceView& view, MessageSink& messages) {
    window.view = engine_.view;
    window.settings = engine_.settings;
    window.nc = engine_.nc;
    window.displayList = std::move(engine_.displayList);
    window.surface.setWindow(surface_.window());
    window.surface.setDrawStyle(surface_.DrawStyle());
    if (marker_.moved) window.marker.Move(marker_.left, marker_.top);
    view.showPicture(surface_);
    for (const std::string& text : messages_.texts) messages.showMessage(text);
}

}  // namespace orca
