#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/cancel_flag.h"

namespace orca {

struct PlotEngine;

// Called with how far (in bytes of the text) the tool-path pass has come:
// after each record, then once with the whole text's length.
using LoadProgress = std::function<void(std::size_t textBytesDone)>;

// Takes the editor text in pieces, each a run of whole lines.
using EditorTextPieces = std::function<void(std::string_view piece)>;

// The two passes of a load over decoded file text: extents, fit, grid, then
// the tool-path pass on every record, the records numbered as the editor's
// lines. The caller has set IncFlag, IncFlagDefault and the surface window.
// A cancel request is looked at every few thousand records; once it is seen
// both passes stop, returning false, and what they leave (picture, state) is
// only fit to be thrown away.
bool PlotLoadedProgram(PlotEngine& engine, std::string_view text, const LoadProgress& progress = {},
                       const CancelFlag* cancel = nullptr);

// The editor text of a load's text: every record followed by CR LF. It
// reads nothing but `text`, so it may run beside the passes. False when
// cancelled (the pieces given are then to be thrown away).
bool BuildEditorText(std::string_view text, const EditorTextPieces& take, const CancelFlag* cancel = nullptr);

// Both of the above, one after the other; returns the editor text whole.
std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress = {},
                           const CancelFlag* cancel = nullptr);

}  // namespace orca
