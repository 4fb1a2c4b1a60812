#include "view/view_change.h"

#include "view/grid.h"
#include "view/plot_view.h"

namespace orca {

void RedrawView(PlotView& plot) {
    plot.surface.Cls();
    Kukaku_Dsp(plot);
    DisplayList_Redraw(plot.displayList, plot.surface);
}

void ViewChangeRedraw(PlotView& plot, ViewHost& host) {
    if (host.viewChangeRunning) {
        host.windowMovedMeanwhile = true;
        return;
    }
    host.viewChangeRunning = true;
    do {
        host.windowMovedMeanwhile = false;
        RedrawView(plot);
        host.DoEvents();
    } while (host.windowMovedMeanwhile);
    host.viewChangeRunning = false;
}

}  // namespace orca
