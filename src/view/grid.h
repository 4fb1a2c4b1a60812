#pragma once

namespace orca {

struct PlotEngine;

// Puts the tool marker at the program origin and draws the square grid.
void Kukaku_Dsp(PlotEngine& engine);

}  // namespace orca
