#include "nc/program_plot.h"

#include "base/records.h"
#include "nc/plot_engine.h"
#include "nc/reading_passes.h"
#include "nc/view_fit.h"
#include "view/grid.h"

namespace orca {
namespace {

// Records between two looks at the cancel request: well under a millisecond
// of either pass, and nothing measurable beside the passes' own work.
constexpr unsigned kCancelPollRecords = 4096;

// The editor text is handed on in pieces of about this size: large enough
// that taking a piece costs nothing beside building it, small enough to
// stay in the cache.
constexpr std::size_t kEditorPieceBytes = 256 << 10;

// Runs `f` on every record until the cancel request is seen; false then.
template <typename F>
bool ForEachRecordUntilCancelled(std::string_view text, const CancelFlag* cancel, F&& f) {
    if (!cancel) {
        ForEachRecord(text, f);
        return true;
    }
    unsigned untilPoll = kCancelPollRecords;
    bool cancelled = false;
    ForEachRecord(text, [&](std::string_view record) {
        if (--untilPoll == 0) {
            untilPoll = kCancelPollRecords;
            cancelled = cancel->requested();
            if (cancelled) return false;
        }
        f(record);
        return true;
    });
    return !cancelled;
}

}  // namespace

bool PlotLoadedProgram(PlotEngine& engine, std::string_view text, const LoadProgress& progress,
                       const CancelFlag* cancel) {
    engine.view.resetExtents();
    engine.nc.startExtentsPass();
    engine.surface.Cls();

    const LinePass extents = ExtentsPassFor(engine.settings.StandardReading);
    std::size_t records = 0;
    const bool extentsDone = ForEachRecordUntilCancelled(text, cancel, [&](std::string_view record) {
        ++records;
        RunLine(extents, engine, record);
    });
    if (!extentsDone) return false;

    const bool draws = FitView(engine);
    if (draws) Kukaku_Dsp(engine);
    engine.nc.startToolPathPass(engine.settings.IncFlagDefault);
    engine.displayList.clear();
    if (draws && engine.keepDisplayList) engine.displayList.reserveFor(records);

    const LinePass toolPath = ToolPathPassFor(engine.settings.StandardReading);
    // Every record is one editor line.
    engine.lineNumber = 0;
    const bool done = ForEachRecordUntilCancelled(text, cancel, [&](std::string_view record) {
        ++engine.lineNumber;
        if (draws) RunLine(toolPath, engine, record);
        if (progress) progress(static_cast<std::size_t>(record.data() + record.size() - text.data()));
    });
    if (done && progress) progress(text.size());
    return done;
}

bool BuildEditorText(std::string_view text, const EditorTextPieces& take, const CancelFlag* cancel) {
    std::string piece;
    piece.reserve(kEditorPieceBytes + (1 << 12));
    const bool done = ForEachRecordUntilCancelled(text, cancel, [&](std::string_view record) {
        piece.append(record);
        piece.append("\r\n");
        if (piece.size() >= kEditorPieceBytes) {
            take(piece);
            piece.clear();
        }
    });
    if (done && !piece.empty()) take(piece);
    return done;
}

std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress,
                           const CancelFlag* cancel) {
    if (!PlotLoadedProgram(engine, text, progress, cancel)) return {};
    std::string editorText;
    editorText.reserve(text.size() + text.size() / 16 + 2);
    static_cast<void>(
        BuildEditorText(text, [&editorText](std::string_view piece) { editorText.append(piece); }));
    return editorText;
}

}  // namespace orca
