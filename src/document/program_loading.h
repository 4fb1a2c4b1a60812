#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "document/load_memory.h"
#include "document/text_encoding.h"
#include "nc/program_plot.h"

namespace orca {

struct PlotEngine;

enum class LoadStatus {
    Loaded,      // text and drawing replaced
    Empty,       // the file holds no byte: nothing changed
    OpenFailed,  // unreadable or too large, reported through the engine's messages: nothing changed
};

struct LoadedProgram {
    LoadStatus status = LoadStatus::OpenFailed;
    std::string text;  // editor text, every record followed by CR LF
    TextEncoding encoding = TextEncoding::Cp932;
};

struct LoadCallbacks {
    // Before the passes run: the trimmed path and the file's length in bytes
    // (the status text and the progress bar's maximum).
    std::function<void(const std::string& path, std::uint64_t fileBytes)> started;
    LoadProgress progress;
    // The memory free for the load; the file is refused when it needs more.
    AvailableMemory availableMemory = MemAvailableNow;
    // A file with a longer line is refused; 0 takes lines of any length.
    std::uint64_t maxLineBytes = 0;
};

// Loads a program file (path trimmed of blanks): reads and decodes it and
// runs both passes over it. The caller has set IncFlag, IncFlagDefault and
// the surface's window. A file that cannot be opened or read is reported
// with the system's error text; one too large for the memory available, or
// with a line longer than the caller takes, is refused before the passes.
LoadedProgram LoadProgramFile(PlotEngine& engine, const std::string& path, const TextCodec& codec,
                              const LoadCallbacks& callbacks = {});

}  // namespace orca
