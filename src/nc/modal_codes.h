#pragma once

namespace orca {

class NcLine;
struct NcModalState;

// The G-codes of a line in the tool-path pass's table order, so that a later
// code of the same group wins: motion (which ends a cycle), the cycles, G80,
// then the coordinate mode.
void ApplyToolPathCodes(const NcLine& line, NcModalState& st);

// G17, G18 and G19, in that order.
void ApplyPlaneCodes(const NcLine& line, NcModalState& st);

}  // namespace orca
