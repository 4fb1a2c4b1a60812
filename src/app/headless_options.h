#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orca {

// The command line of the headless commands:
//   --render FILE OUT.png [--size WxH] [--inc] [--grid PITCH] [--standard] [--hole R]
//   --dump FILE [--window WxH] [--inc] [--grid PITCH] [--standard] [--hole R] [--dump-lines]
struct HeadlessOptions {
    enum class Command { None, Render, Dump };

    Command command = Command::None;
    std::string file;
    std::string out;  // the PNG of --render, its name ending in .png in any case
    int width = 0;    // image pixels for --render, surface units for --dump
    int height = 0;
    bool incremental = false;
    std::optional<int> gridPitch;  // grid drawn only when given
    bool dumpLines = false;        // --dump: each item's editor line as a last field
    bool standardReading = false;
    double holeRadius = 3.0;
    std::string error;  // one line saying what is wrong, empty when usable
};

inline constexpr int kRenderDefaultWidth = 1200;
inline constexpr int kRenderDefaultHeight = 800;
inline constexpr int kDumpDefaultWidth = 9000;
inline constexpr int kDumpDefaultHeight = 6000;

// `args` without the program name; after "--" every argument is a file
// name. Command None when neither --render nor --dump is among the options
// (the window starts then).
HeadlessOptions ParseHeadlessOptions(const std::vector<std::string>& args);

}  // namespace orca
