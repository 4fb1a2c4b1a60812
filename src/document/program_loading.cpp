#include "document/program_loading.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <thread>
#include <utility>

#include "document/program_file.h"
#include "document/text_lines.h"
#include "nc/plot_engine.h"

namespace orca {
namespace {

constexpr std::size_t kChunk = 1 << 20;

// The longest line of a file of known size, the rest of it read only to be
// counted, so that the refusal names the line as long as it is; of a stream
// (a pipe, a device), the longest line read so far.
std::uint64_t longestOfAll(ProgramFile& file, LineCounter& counter, const CancelFlag* cancel) {
    std::string piece;
    for (std::uint64_t left = file.sizeHint(); left > 0 && !file.atEnd() && !Cancelled(cancel);) {
        piece.clear();
        if (!file.readMore(piece, static_cast<std::size_t>(std::min<std::uint64_t>(left, kChunk)))) break;
        left -= std::min<std::uint64_t>(left, piece.size());
        counter.feed(piece);
    }
    return counter.lines().longest;
}

// Reads the rest of `file` into `result.bytes`, refusing (with the reason in
// `result.error`) as soon as what was read would not fit the memory or holds
// a line too long. The buffer never grows past what a load could take.
void readFitting(ProgramFile& file, const ReadLimits& limits, ProgramBytes& result) {
    const auto available = limits.availableMemory ? limits.availableMemory() : std::nullopt;
    std::string& bytes = result.bytes;
    LineCounter counter;
    const auto refused = [&] {
        const TextLines lines = counter.lines();
        const LoadSize size{std::max<std::uint64_t>(file.sizeHint(), bytes.size()), lines.count};
        if (!LoadFitsMemory(size, available)) {
            result.error = LoadTooLargeMessage(size.bytes, LoadMemoryNeed(size), *available);
        } else if (limits.maxLineBytes > 0 && lines.longest > limits.maxLineBytes) {
            result.error =
                LineTooLongMessage(longestOfAll(file, counter, limits.cancel), limits.maxLineBytes);
        }
        return !result.ok();
    };
    if (refused()) return;
    // One byte past the most a load could take is enough to know it is too much.
    const std::uint64_t most =
        available ? std::min<std::uint64_t>(LoadBytesFitting(*available), SIZE_MAX - 1) : SIZE_MAX - 1;
    const std::size_t ceiling = static_cast<std::size_t>(most) + 1;
    // Room for the whole file at once, so the bytes are never copied to grow;
    // it is read in chunks all the same, to notice a cancel request soon.
    if (file.sizeHint() > 0) {
        bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(file.sizeHint() + 1, ceiling)));
    }
    while (!file.atEnd() && !Cancelled(limits.cancel)) {
        std::size_t next = kChunk;
        if (bytes.capacity() > bytes.size()) next = std::min(next, bytes.capacity() - bytes.size());
        next = std::min(next, ceiling - bytes.size());
        if (bytes.capacity() - bytes.size() < next) {
            bytes.reserve(std::min(std::max(bytes.capacity() * 2, bytes.size() + next), ceiling));
        }
        const std::size_t before = bytes.size();
        if (!file.readMore(bytes, next)) {
            result.error = file.error();
            return;
        }
        counter.feed(std::string_view(bytes).substr(before));
        if (refused()) return;
    }
}

}  // namespace

ProgramBytes ReadProgramFile(const std::string& path, const ReadLimits& limits) {
    ProgramBytes result;
    ProgramFile file;
    if (!file.open(path)) {
        result.error = file.error();
        result.openFailed = true;
        return result;
    }
    readFitting(file, limits, result);
    if (!result.ok()) result.bytes = std::string();
    return result;
}

LoadedProgram LoadProgramBytes(PlotEngine& engine, std::string bytes, const TextCodec& codec,
                               const LoadCallbacks& callbacks) {
    LoadedProgram loaded;
    if (bytes.empty()) return loaded;
    loaded.encoding = DetectEncoding(bytes);
    const std::string text =
        codec.decodeOwned(std::move(bytes), loaded.encoding, &loaded.utf8Repaired, callbacks.cancel);
    if (Cancelled(callbacks.cancel)) return loaded;
    if (callbacks.started) callbacks.started(text.size());
    // The editor text needs nothing of the passes: the two share the cores.
    std::jthread editorText;
    if (callbacks.editorText) {
        editorText = std::jthread(
            [&] { static_cast<void>(BuildEditorText(text, callbacks.editorText, callbacks.cancel)); });
    }
    static_cast<void>(PlotLoadedProgram(engine, text, callbacks.progress, callbacks.cancel));
    loaded.status = LoadStatus::Loaded;
    return loaded;
}

}  // namespace orca
