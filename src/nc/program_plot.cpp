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

std::string PlotLoadedText(PlotEngine& engine, std::string_view text, const LoadProgress& progress,
                           const CancelFlag* cancel) {
    engine.view.resetExtents();
    engine.nc.startExtentsPass();
    engine.surface.Cls();

    const LinePass extents = ExtentsPassFor(engine.settings.StandardReading);
    const bool extentsDone = ForEachRecordUntilCancelled(
        text, cancel, [&engine, extents](std::string_view record) { RunLine(extents, engine, record); });
    if (!extentsDone) return {};

    const bool draws = FitView(engine);
    if (draws) Kukaku_Dsp(engine);
    engine.nc.startToolPathPass(engine.settings.IncFlagDefault);
    engine.displayList.clear();

    const LinePass toolPath = ToolPathPassFor(engine.settings.StandardReading);
    std::string editorText;
    editorText.reserve(text.size() + text.size() / 16 + 2);
    // Every record becomes one editor line.
    engine.lineNumber = 0;
    ForEachRecordUntilCancelled(text, cancel, [&](std::string_view record) {
        editorText.append(record);
        editorText.append("\r\n");
        ++engine.lineNumber;
        if (draws) RunLine(toolPath, engine, record);
        if (progress) progress(editorText.size());
    });
    return editorText;
}

}  // namespace orca
