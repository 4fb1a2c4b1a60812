#pragma once

#include <string_view>

namespace orca {

struct PlotEngine;

class NcLine;

// Widens the view's extents by the points one program line reaches and
// advances the position; draws nothing. Raises ArithmeticFault when the
// line's arithmetic fails (the caller abandons that line). The text forms
// read the line first (ReadProgramLine).
void LineMaxMinGet_Sub(PlotEngine& engine, const NcLine& line);
void LineMaxMinGet_Sub(PlotEngine& engine, std::string_view line);
// The same for the standard reading of the line.
void LineMaxMinGetStandard_Sub(PlotEngine& engine, const NcLine& line);
void LineMaxMinGetStandard_Sub(PlotEngine& engine, std::string_view line);

}  // namespace orca
