#include "nc/program_plot.h"

#include "base/records.h"
#include "nc/plot_engine.h"
#include "nc/reading_passes.h"
#include "nc/view_fit.h"
#include "view/grid.h"

namespace orca {
namespace {

// Records between two looks at the cancel request (and two reports of the
// progress): well under a millisecond of either pass, and nothing
// measurable beside the passes' own work.
constexpr unsigned kPollRecords = 4096;

// The editor text is handed on in pieces of about this size: large enough
// that taking a piece costs nothing beside building it, small enough to
// stay in the cache.
constexpr std::size_t kEditorPieceBytes = 256 << 10;

// Runs `f` on every record until the cancel request is seen; false then.
// Every few thousand records, and at the end, `progress` hears how far it
// has come: `done` plus the bytes of `text` passed.
template <typename F>
bool ForEachRecordPolling(std::string_view text, const CancelFlag* cancel, const LoadProgress& progress,
                          std::size_t done, F&& f) {
    if (!cancel && !progress) {
        ForEachRecord(text, f);
        return true;
    }
    unsigned untilPoll = kPollRecords;
    bool cancelled = false;
    ForEachRecord(text, [&](std::string_view record) {
        if (--untilPoll == 0) {
            untilPoll = kPollRecords;
            if (progress) progress(done + static_cast<std::size_t>(record.data() - text.data()));
            cancelled = Cancelled(cancel);
            if (cancelled) return false;
        }
        f(record);
        return true;
    });
    if (!cancelled && progress) progress(done + text.size());
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
    const bool extentsDone = ForEachRecordPolling(text, cancel, progress, 0, [&](std::string_view record) {
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
    return ForEachRecordPolling(text, cancel, progress, text.size(), [&](std::string_view record) {
        ++engine.lineNumber;
        if (draws) RunLine(toolPath, engine, record);
    });
}

bool BuildEditorText(std::string_view text, const EditorTextPieces& take, const CancelFlag* cancel) {
    std::string piece;
    piece.reserve(kEditorPieceBytes + (1 << 12));
    const bool done = ForEachRecordPolling(text, cancel, {}, 0, [&](std::string_view record) {
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
