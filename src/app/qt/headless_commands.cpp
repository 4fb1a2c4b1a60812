#include "app/qt/headless_commands.h"

#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/app_identity.h"
#include "app/command_line_help.h"
#include "app/headless_options.h"
#include "app/plot_dump.h"
#include "app/qt/entry_points.h"
#include "app/qt/png_file.h"
#include "app/render_output.h"
#include "app/ui/raster_surface.h"
#include "document/file_mode.h"
#include "document/program_loading.h"
#include "document/qt/cp932_codec.h"
#include "nc/plot_engine.h"
#include "nc/route_driver.h"
#include "nc/view_fit.h"
#include "view/recording_surface.h"
#include "view/tool_marker.h"

namespace orca {
namespace {

// Surface units per pixel after a window reset: twips at 96 dots per inch.
constexpr float kTwipsPerPixel = 15.0f;

void printError(const std::string& text) { std::fprintf(stderr, "%s: %s\n", kCommandName, text.c_str()); }

// Loads the file as the window's load does: coordinate mode from the file
// (absolute when it cannot tell) unless --inc, window reset to the surface
// size, grid only when a pitch is given. The file is read once, so a pipe
// or a file that changes gives one consistent program. Nothing when the
// file cannot be read or is refused, which is reported.
std::optional<LoadStatus> loadForCommand(PlotEngine& engine, const HeadlessOptions& o, float windowWidth,
                                         float windowHeight) {
    ProgramBytes file = ReadProgramFile(o.file);
    if (!file.ok()) {
        // An unreadable file is named in the one line that reports it.
        if (file.openFailed) {
            printError(o.file + ": " + file.error);
        } else {
            engine.messages.showMessage(file.error);
        }
        return std::nullopt;
    }
    const QtTextCodec codec;
    engine.settings.StandardReading = o.standardReading;
    engine.settings.HoleRadius = o.holeRadius;
    const std::int16_t mode =
        o.incremental || AbsIncModeInBytes(file.bytes, codec, o.standardReading) == 1 ? 1 : 0;
    engine.nc.IncFlag = mode;
    engine.settings.IncFlagDefault = mode;
    engine.settings.HouganFlag = o.gridPitch.has_value();
    if (o.gridPitch) engine.settings.HouganWidth = static_cast<std::int16_t>(*o.gridPitch);
    ResetWindow(engine, windowWidth, windowHeight);
    const LoadStatus status = LoadProgramBytes(engine, std::move(file.bytes), codec).status;
    // What the window's status bar would say about the lines left out.
    if (engine.nc.ExpressionLines > 0)
        engine.messages.showMessage(ExpressionLinesStatusText(engine.nc.ExpressionLines));
    return status;
}

int runRender(const HeadlessOptions& o, MessageSink& sink) {
    RasterSurface surface(o.width, o.height);
    PlainToolMarker marker;
    PlotEngine engine(surface, marker, sink);
    engine.keepDisplayList = false;
    const float w = static_cast<float>(o.width) * kTwipsPerPixel;
    const float h = static_cast<float>(o.height) * kTwipsPerPixel;
    if (!loadForCommand(engine, o, w, h)) return 1;
    const std::string failure = WritePngFile(surface.image(), o.out);
    if (!failure.empty()) {
        printError("cannot write " + o.out + ": " + failure);
        return 1;
    }
    return 0;
}

int runDump(const HeadlessOptions& o, MessageSink& sink) {
    RecordingSurface surface;
    PlainToolMarker marker;
    PlotEngine engine(surface, marker, sink);
    const std::optional<LoadStatus> status =
        loadForCommand(engine, o, static_cast<float>(o.width), static_cast<float>(o.height));
    if (!status) return 1;
    if (*status == LoadStatus::Empty) return 0;
    const auto toStdout = [](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    };
    if (!WritePlotDump(engine.view, engine.displayList, surface, toStdout, o.dumpLines) ||
        std::fflush(stdout) != 0) {
        printError(std::string("cannot write the dump: ") + std::strerror(errno));
        return 1;
    }
    return 0;
}

}  // namespace

void StderrMessageSink::showMessage(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
}

int RunHeadlessCommand(int argc, char** argv) {
    const HeadlessOptions o = ParseHeadlessOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (o.command == HeadlessOptions::Command::None) return -1;
    if (!o.error.empty()) {
        std::fputs(WrongUsageReport(o.error).c_str(), stderr);
        return 2;
    }
    if (o.command == HeadlessOptions::Command::Render) {
        if (const auto refusal = CheckRenderOutput(o.file, o.out)) {
            printError(refusal->message);
            return refusal->exitCode;
        }
    }
    // Past a file-size limit a write then fails (EFBIG) and is reported,
    // instead of the signal ending the process without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    StderrMessageSink sink;
    return o.command == HeadlessOptions::Command::Render ? runRender(o, sink) : runDump(o, sink);
}

}  // namespace orca
