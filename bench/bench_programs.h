#pragma once

#include <cstddef>
#include <string>

#include "nc/plot_engine.h"

namespace orca {

inline constexpr std::size_t kBenchLines = 1000000;
// The window of a 1200 x 800 pixel drawing area after a reset, in twips.
inline constexpr float kBenchWindowWidth = 1200 * 15.0f;
inline constexpr float kBenchWindowHeight = 800 * 15.0f;

// Messages are not wanted while measuring.
class SilentSink : public MessageSink {
public:
    void showMessage(const std::string&) override {}
};

// The generated 1,000,000-line program (made once per run).
const std::string& MillionLineProgram();

// The display list of the 1,000,000-line program on a 1200 x 800 window.
const DisplayList& MillionLineDisplayList();

}  // namespace orca
