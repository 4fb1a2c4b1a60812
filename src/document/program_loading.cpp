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
        if (!file.open(trimmed) || !file.readRest(bytes)) {
            engine.messages.showMessage(file.error());
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
