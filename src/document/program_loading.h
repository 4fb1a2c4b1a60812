#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "document/load_memory.h"
#include "document/text_encoding.h"
#include "nc/program_plot.h"

namespace orca {

struct PlotEngine;

// A program file's bytes, read once: the coordinate-mode detection and the
// load both work on these, so a file that changes (or a pipe that can be
// read only once) gives one consistent program.
struct ProgramBytes {
    std::string bytes;
    // Why the file cannot be loaded, in words for the user; empty when read.
    std::string error;
    // The file could not be opened at all (as opposed to read but refused).
    bool openFailed = false;

    bool ok() const { return error.empty(); }
};

struct ReadLimits {
    // The memory free for the load; the file is refused when it needs more.
    AvailableMemory availableMemory = AvailableMemoryNow;
    // A file with a longer line is refused; 0 takes lines of any length.
    std::uint64_t maxLineBytes = 0;
    // Looked at between chunks of the read: once requested the read stops
    // and what it returns is to be thrown away.
    const CancelFlag* cancel = nullptr;
};

// Reads a whole program file (the path exactly as given). The memory a load
// of what was read so far would need is checked as the bytes come, so a file
// too large (or a device that never ends) is refused before the read
// outgrows what the load could take.
[[nodiscard]] ProgramBytes ReadProgramFile(const std::string& path, const ReadLimits& limits = {});

enum class LoadStatus {
    Loaded,  // text and drawing replaced
    Empty,   // the file holds no byte: nothing drawn, no text
};

struct LoadedProgram {
    LoadStatus status = LoadStatus::Empty;
    TextEncoding encoding = TextEncoding::Cp932;
    bool utf8Repaired = false;  // a UTF-8 file held bytes that are not UTF-8 (see TextCodec::decode)
};

struct LoadCallbacks {
    // Before the passes run: the length in bytes of the decoded text (the
    // progress bar's maximum).
    std::function<void(std::uint64_t textBytes)> started;
    LoadProgress progress;
    // Takes the editor text (see BuildEditorText), on a thread of its own
    // beside the passes; none is built without it.
    EditorTextPieces editorText;
    // Stops the passes early (see PlotLoadedText); the result is then to be
    // thrown away.
    const CancelFlag* cancel = nullptr;
};

// Decodes a program file's bytes (taken over as the text when they need no
// decoding, freed once decoded otherwise) and runs both passes over them.
// The caller has set IncFlag, IncFlagDefault and the surface's window.
[[nodiscard]] LoadedProgram LoadProgramBytes(PlotEngine& engine, std::string bytes, const TextCodec& codec,
                                             const LoadCallbacks& callbacks = {});

}  // namespace orca
