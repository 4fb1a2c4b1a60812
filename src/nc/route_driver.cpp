#include "nc/route_driver.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "nc/crlf_lines.h"
#include "nc/painting_aside.h"
#include "nc/plot_engine.h"
#include "nc/reading_passes.h"
#include "nc/view_fit.h"
#include "view/grid.h"

namespace orca {
namespace {

// A bar never shows more than a few thousand distinct positions, so the
// extents loop passes on only the values that can move it.
constexpr std::int64_t kProgressSteps = 4096;

class ProgressSteps {
public:
    ProgressSteps(RouteHost& host, std::int64_t max)
        : host_(host), step_(std::max<std::int64_t>(1, max / kProgressSteps)), next_(step_) {}

    void set(std::int64_t value) {
        if (value < next_) return;
        host_.SetProgressValue(value);
        next_ = value + step_;
    }

private:
    RouteHost& host_;
    std::int64_t step_;
    std::int64_t next_;
};

void HideProgress(RouteHost& host) {
    if (!host.ProgressVisible()) return;
    host.SetProgressVisible(false);
    host.SetProgressValue(0);
}

}  // namespace

std::string CaretLineStatusText(std::int64_t lineIndex) {
    const std::int64_t number = lineIndex + 1;
    // A number is written with a blank where a minus sign would stand.
    std::string text = number < 0 ? std::string() : std::string(" ");
    text += std::to_string(number);
    text += "行";
    return text;
}

std::string ExpressionLinesStatusText(std::int64_t lines) {
    if (lines <= 0) return {};
    return "式・変数を含む " + std::to_string(lines) + " 行は描画していません";
}

void RouteDriver::RouteDsp_Sub(bool trace) {
    const int savedPicture = host_.TraceButtonPicture();
    host_.SetTraceButtonPicture(kStopPicture);
    // Events run between the extents pass's lines and the user may edit
    // meanwhile, so the pass reads a copy of the text as it was.
    std::string text = drawBusy_ == 0 ? std::string(host_.EditorText()) : std::string();
    if (drawBusy_ != 0 || text.empty()) {
        endOfRun(savedPicture);
        return;
    }
    drawBusy_ = 1;
    host_.SetTraceButtonCaption(kStopCaption);

    ResetWindow(engine_, host_.FrameWidth(), host_.FrameHeight());
    engine_.nc.IncFlag = engine_.settings.IncFlagDefault;
    engine_.view.resetExtents();
    engine_.nc.startExtentsPass();
    engine_.surface.Cls();
    host_.SetStatusText("描画中...");

    bool complete = false;  // not stopped by the user
    if (extentsLoop(text)) {
        HideProgress(host_);
        complete = true;
        if (FitView(engine_)) {
            Kukaku_Dsp(engine_);
            complete = drawLoop(trace, std::move(text));
        }
    }
    endOfRun(savedPicture);
    if (complete && engine_.nc.ExpressionLines > 0)
        host_.SetStatusText(ExpressionLinesStatusText(engine_.nc.ExpressionLines));
}

bool RouteDriver::extentsLoop(std::string_view text) {
    CrLfLines lines(text);
    // The closing CR LF the splitter adds counts too.
    const auto total = static_cast<std::int64_t>(Utf8CharCount(text) + 2);
    host_.SetProgressRange(0, total);
    host_.SetProgressVisible(true);
    host_.SetProgressValue(0);
    host_.DoEvents();

    ProgressSteps progress(host_, total);
    // Without multi-byte characters a byte count is a character count.
    const bool singleBytes = static_cast<std::size_t>(total) == text.size() + 2;
    std::int64_t charsBefore = 0;
    std::int64_t lineNumber = 0;
    const LinePass extents = ExtentsPassFor(engine_.settings.StandardReading);
    ProgramLine line;
    while (lines.next(line.record)) {
        ReadProgramLine(line, extents.standardReading);
        RunLine(extents, engine_, line);
        const std::string_view record = line.record;
        const auto lineChars = static_cast<std::int64_t>(singleBytes ? record.size() : Utf8CharCount(record));
        progress.set(charsBefore + lineChars - 1);  // 1-based position of the closing CR
        charsBefore += lineChars;
        if (++lineNumber % 2 == 1) host_.DoEvents();
        if (drawBusy_ == 0) return false;
    }
    return true;
}

bool RouteDriver::drawLoop(bool trace, std::string text) {
    engine_.nc.startToolPathPass(engine_.settings.IncFlagDefault);
    // The text is read again: the user may have edited it while events ran.
    // Mostly nobody has, and comparing costs far less than copying.
    const std::string_view now = host_.EditorText();
    if (now != text) text.assign(now);
    CrLfLines lines(text);
    engine_.displayList.clear();
    std::optional<PaintingAside> painting;
    if (!trace && PaintingAside::worthIt()) painting.emplace(engine_);

    std::int64_t counter = 1;
    // The editor also breaks lines at a lone CR or LF, which stays inside a
    // line here, so its line numbers can run ahead of the counter.
    std::int32_t editorLine = 1;
    const LinePass toolPath = ToolPathPassFor(engine_.settings.StandardReading);
    ProgramLine line;
    while (lines.next(line.record)) {
        const std::string_view shown = line.record.substr(0, line.record.size() - 2);
        if (trace) {
            host_.SetStatusText("描画中... 【" + std::to_string(counter) + "行】:" + std::string(shown));
            // A run stopped during the last pause leaves the caret where it was.
            if (drawBusy_ != 0) host_.MarkTracedLine(editorLine - 1);
            ++counter;
            host_.DoEvents();
        }
        const double t0 = trace ? host_.MonotonicSeconds() : 0.0;
        if (drawBusy_ == 0) return false;
        engine_.lineNumber = editorLine;
        ReadProgramLine(line, toolPath.standardReading);
        RunLine(toolPath, engine_, line);
        editorLine += 1 + static_cast<std::int32_t>(lines.innerBreaks());
        if (trace) tracePause(t0);
    }
    return true;
}

void RouteDriver::tracePause(double t0) {
    const DrawSettings& s = engine_.settings;
    const double pause = (s.TraceSpeedMax - s.TraceSpeed) * 0.1;
    do {
        host_.DoEvents();
    } while (t0 + pause > host_.MonotonicSeconds());
}

void RouteDriver::endOfRun(int savedPicture) {
    host_.RunEnded();
    HideProgress(host_);
    host_.SetTraceButtonCaption(kTraceCaption);
    host_.SetTraceButtonPicture(savedPicture);
    drawBusy_ = 0;
    host_.SetStatusText("");
    lineDspToStatusBar_Sub();
}

void RouteDriver::stopRun() {
    if (drawBusy_ != 0) RouteDsp_Sub(false);
}

void RouteDriver::lineDspToStatusBar_Sub() { host_.SetStatusText(CaretLineStatusText(host_.CaretLine())); }

}  // namespace orca
