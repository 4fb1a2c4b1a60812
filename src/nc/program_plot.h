#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/cancel_flag.h"

namespace orca {

struct PlotEngine;

// Called with the number of characters of editor text built so far.
using LoadProgress = std::function<void(std::size_t charsBuilt)>;

// The two passes of a load over decoded file text: extents, fit, grid, then
// the tool-path pass on every record while the editor text is built (each
// record followed by CR LF). The caller has set IncFlag, IncFlagDefault and
// the surface window. Returns the editor text. A cancel request is looked at
// every few thousand records; once it is seen both passes stop and what they
// leave (text, picture, state) is only fit to be thrown away.
std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress = {},
                           const CancelFlag* cancel = nullptr);

}  // namespace orca
