#pragma once

namespace orca {

struct PlotView;

// Puts the tool marker at the program origin and draws the square grid.
void Kukaku_Dsp(PlotView& plot);

}  // namespace orca
