#include "view/view_change.h"

#include "nc/plot_engine.h"
#include "view/grid.h"

namespace orca {

void ViewChangeRedraw(PlotEngine& engine, ViewHost& host) {
    engine.surface.Cls();
    Kukaku_Dsp(engine);
    DisplayList_Redraw(engine.displayList, engine.surface);
    host.DoEvents();
}

}  // namespace orca
