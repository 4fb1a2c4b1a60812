#include "document/program_loading.h"

#include "document/program_file.h"
#include "nc/plot_engine.h"

namespace orca {

LoadedProgram LoadProgramFile(PlotEngine& engine, const std::string& path, const TextCodec& codec,
                              const LoadCallbacks& callbacks) {
    const std::string trimmed(TrimBlanks(path));
    LoadedProgram loaded;
    std::string text;
    {
        ProgramFile file;
        std::string bytes;
        if (!file.open(trimmed)) {
            engine.messages.showMessage(file.error());
            return loaded;
        }
        // Checked before the read from the size alone, then with the lines counted.
        const auto available = callbacks.availableMemory ? callbacks.availableMemory() : std::nullopt;
        LoadSize size{file.sizeHint(), 0};
        const auto fits = [&] {
            if (LoadFitsMemory(size, available)) return true;
            engine.messages.showMessage(LoadTooLargeMessage(size.bytes, LoadMemoryNeed(size), *available));
            return false;
        };
        if (!fits()) return loaded;
        if (!file.readRest(bytes)) {
            engine.messages.showMessage(file.error());
            return loaded;
        }
        const TextLines lines = CountLines(bytes);
        size = {bytes.size(), lines.count};
        if (!fits()) return loaded;
        if (callbacks.maxLineBytes > 0 && lines.longest > callbacks.maxLineBytes) {
            engine.messages.showMessage(LineTooLongMessage(lines.longest, callbacks.maxLineBytes));
            return loaded;
        }
        if (bytes.empty()) {
            loaded.status = LoadStatus::Empty;
            return loaded;
        }
        loaded.encoding = DetectEncoding(bytes);
        text = codec.decode(bytes, loaded.encoding);
        if (callbacks.started) callbacks.started(trimmed, bytes.size());
    }
    loaded.text = PlotLoadedText(engine, text, callbacks.progress);
    loaded.status = LoadStatus::Loaded;
    return loaded;
}

}  // namespace orca
