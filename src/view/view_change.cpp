#include "view/view_change.h"

#include "nc/plot_engine.h"
#include "view/grid.h"

namespace orca {

void RedrawView(PlotEngine& engine) {
    engine.surface.Cls();
    Kukaku_Dsp(engine);
    DisplayList_Redraw(engine.displayList, engine.surface);
}

void ViewChangeRedraw(PlotEngine& engine, ViewHost& host) {
    if (host.viewChangeRunning) {
        host.windowMovedMeanwhile = true;
        return;
    }
    host.viewChangeRunning = true;
    do {
        host.windowMovedMeanwhile = false;
        RedrawView(engine);
        host.DoEvents();
    } while (host.windowMovedMeanwhile);
    host.viewChangeRunning = false;
}

}  // namespace orca
