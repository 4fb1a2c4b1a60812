#include "document/program_loading.h"

#include <algorithm>
#include <optional>

#include "document/program_file.h"
#include "nc/plot_engine.h"

namespace orca {
namespace {

// The file's bytes, unless it would not fit the memory available: checked
// from its size, again as the bytes come (a device may never end), and once
// more with its lines counted. A refusal or a read error is reported.
std::optional<std::string> readFitting(ProgramFile& file, const LoadCallbacks& callbacks,
                                       MessageSink& messages) {
    const auto available = callbacks.availableMemory ? callbacks.availableMemory() : std::nullopt;
    LoadSize size{file.sizeHint(), 0};
    const auto fits = [&] {
        if (LoadFitsMemory(size, available)) return true;
        messages.showMessage(LoadTooLargeMessage(size.bytes, LoadMemoryNeed(size), *available));
        return false;
    };
    if (!fits()) return std::nullopt;
    constexpr std::size_t kChunk = 1 << 20;
    std::string bytes;
    for (std::size_t next = file.sizeHint() > 0 ? file.sizeHint() + 1 : kChunk; !file.atEnd();
         next = kChunk) {
        if (!file.readMore(bytes, next)) {
            messages.showMessage(file.error());
            return std::nullopt;
        }
        size.bytes = std::max<std::uint64_t>(size.bytes, bytes.size());
        if (!fits()) return std::nullopt;
    }
    const TextLines lines = CountLines(bytes);
    size = {bytes.size(), lines.count};
    if (!fits()) return std::nullopt;
    if (callbacks.maxLineBytes > 0 && lines.longest > callbacks.maxLineBytes) {
        messages.showMessage(LineTooLongMessage(lines.longest, callbacks.maxLineBytes));
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

LoadedProgram LoadProgramFile(PlotEngine& engine, const std::string& path, const TextCodec& codec,
                              const LoadCallbacks& callbacks) {
    const std::string trimmed(TrimBlanks(path));
    LoadedProgram loaded;
    std::string text;
    {
        ProgramFile file;
        if (!file.open(trimmed)) {
            engine.messages.showMessage(file.error());
            return loaded;
        }
        const std::optional<std::string> bytes = readFitting(file, callbacks, engine.messages);
        if (!bytes) return loaded;
        if (bytes->empty()) {
            loaded.status = LoadStatus::Empty;
            return loaded;
        }
        loaded.encoding = DetectEncoding(*bytes);
        text = codec.decode(*bytes, loaded.encoding);
        if (callbacks.started) callbacks.started(trimmed, bytes->size());
    }
    loaded.text = PlotLoadedText(engine, text, callbacks.progress);
    loaded.status = LoadStatus::Loaded;
    return loaded;
}

}  // namespace orca
