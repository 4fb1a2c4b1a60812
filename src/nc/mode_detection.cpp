#include "nc/mode_detection.h"

#include <algorithm>

#include "document/program_file.h"
#include "document/text_encoding.h"
#include "nc/message_sink.h"
#include "nc/program_plot.h"

namespace orca {
namespace {

constexpr int kRecordsSearched = 10;

struct ModeScan {
    std::int16_t mode = -1;
    bool settled = false;  // found, or no further record can change it
};

// Searches the records of `text`. When `whole` is false, `text` is only the
// start of a file: its last record may be cut and is not searched.
ModeScan scanRecords(std::string_view text, bool whole) {
    ModeScan scan;
    int count = 0;
    bool cut = false;
    const char* const textEnd = text.data() + text.size();
    ForEachRecord(text, [&](std::string_view record) {
        if (scan.settled || cut) return;
        if (!whole && record.data() + record.size() == textEnd) {
            cut = true;
        } else if (record.find("G90") != std::string_view::npos) {
            scan = {0, true};
        } else if (record.find("G91") != std::string_view::npos) {
            scan = {1, true};
        } else if (++count == kRecordsSearched) {
            scan.settled = true;
        }
    });
    if (whole) scan.settled = true;
    return scan;
}

}  // namespace

std::int16_t AbsIncModeInText(std::string_view text) { return scanRecords(text, true).mode; }

std::int16_t AbsIncModeGet(const std::string& path, const TextCodec& codec, MessageSink& messages,
                           const AvailableMemory& available) {
    ProgramFile file;
    if (!file.open(std::string(TrimBlanks(path)))) {
        messages.showMessage(file.error());
        return -1;
    }
    // Read a growing start of the file until it holds the records searched.
    // A read error ends the file there (the search goes on with what was read).
    std::string bytes;
    const std::optional<std::uint64_t> memory = available ? available() : std::nullopt;
    for (std::size_t chunk = 1 << 16;; chunk *= 2) {
        // A file no load could take is not read on: the load refuses it.
        if (!LoadFitsMemory({std::max<std::uint64_t>(file.sizeHint(), bytes.size()), 0}, memory)) return -1;
        file.readMore(bytes, chunk);
        const bool whole = file.atEnd();
        const ModeScan scan = scanRecords(codec.decode(bytes, DetectEncoding(bytes, whole)), whole);
        if (scan.settled) return scan.mode;
    }
}

}  // namespace orca
