#pragma once

namespace orca {

class NcLine;
class MessageSink;
struct NcModalState;

// Centre of the circular move of one line, from R (either sign) or from I/J.
// On an arithmetic failure it shows the calculation-error message, leaves
// (xc, yc) untouched and returns false.
bool G02G03XcYcGet_Sub(const NcLine& line, const NcModalState& st, MessageSink& messages, double& xc,
                       double& yc);

}  // namespace orca
