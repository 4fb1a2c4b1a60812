#pragma once

#include <string_view>

namespace orca {

struct PlotEngine;

class NcLine;

// Interprets one program line: updates the modal state, draws its move on the
// surface, records it in the display list and moves the tool marker. Raises
// ArithmeticFault when the line's arithmetic fails (the caller abandons it).
// The text forms read the line first (ReadProgramLine).
void LineRouteDsp_Sub(PlotEngine& engine, const NcLine& line);
void LineRouteDsp_Sub(PlotEngine& engine, std::string_view line);
// The same for the standard reading of the line.
void LineRouteDspStandard_Sub(PlotEngine& engine, const NcLine& line);
void LineRouteDspStandard_Sub(PlotEngine& engine, std::string_view line);

}  // namespace orca
