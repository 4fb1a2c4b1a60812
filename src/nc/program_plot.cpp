#include "nc/program_plot.h"

#include <optional>

#include "base/records.h"
#include "nc/painting_aside.h"
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

// Looks at the cancel request, and reports the progress to `progress` (if
// any), every few thousand records and at the end: `done` plus the bytes of
// `text` passed.
class Polling {
public:
    Polling(std::string_view text, const CancelFlag* cancel, const LoadProgress* progress, std::size_t done)
        : text_(text), cancel_(cancel), progress_(progress && *progress ? progress : nullptr), done_(done) {}

    // False when the work is to stop before the record that starts at `at`.
    bool goOn(const char* at) {
        if (--untilPoll_ != 0) return true;
        untilPoll_ = kPollRecords;
        if (progress_) (*progress_)(done_ + static_cast<std::size_t>(at - text_.data()));
        return !Cancelled(cancel_);
    }
    void finish() const {
        if (progress_) (*progress_)(done_ + text_.size());
    }

private:
    std::string_view text_;
    const CancelFlag* cancel_;
    const LoadProgress* progress_;
    std::size_t done_;
    unsigned untilPoll_ = kPollRecords;
};

// Runs `f` on every line of `text`, read in `pass`'s reading, until the
// cancel request is seen; false then.
template <typename F>
bool ForEachLinePolling(std::string_view text, LinePass pass, Polling polling, F&& f) {
    Records records(text);
    ProgramLine line;
    while (records.next(line.record)) {
        if (!polling.goOn(line.record.data())) return false;
        ReadProgramLine(line, pass.standardReading);
        f(line);
    }
    polling.finish();
    return true;
}

}  // namespace

bool PlotLoadedProgram(PlotEngine& engine, std::string_view text, const LoadProgress& progress,
                       const CancelFlag* cancel) {
    engine.view.resetExtents();
    engine.nc.startExtentsPass();
    engine.surface.Cls();

    const LinePass extents = ExtentsPassFor(engine.settings.StandardReading);
    std::size_t records = 0;
    const bool extentsDone =
        ForEachLinePolling(text, extents, Polling(text, cancel, &progress, 0), [&](const ProgramLine& line) {
            ++records;
            RunLine(extents, engine, line);
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
    std::optional<PaintingAside> painting;
    if (draws && PaintingAside::worthIt()) painting.emplace(engine);
    return ForEachLinePolling(text, toolPath, Polling(text, cancel, &progress, text.size()),
                              [&](const ProgramLine& line) {
                                  ++engine.lineNumber;
                                  if (draws) RunLine(toolPath, engine, line);
                              });
}

bool BuildEditorText(std::string_view text, const EditorTextPieces& take, const CancelFlag* cancel) {
    std::string piece;
    piece.reserve(kEditorPieceBytes + (1 << 12));
    Polling polling(text, cancel, nullptr, 0);
    Records records(text);
    for (std::string_view record; records.next(record);) {
        if (!polling.goOn(record.data())) return false;
        piece.append(record);
        piece.append("\r\n");
        if (piece.size() >= kEditorPieceBytes) {
            take(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) take(piece);
    return true;
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
