#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orca {

struct PlotEngine;

// The parts of the main window the draw driver works with.
class RouteHost {
public:
    virtual ~RouteHost() = default;

    // The editor's whole text, UTF-8, lines separated by CR LF, as it stands:
    // valid until events run or the text changes.
    virtual std::string_view EditorText() const = 0;
    // Zero-based index of the line that holds the caret.
    virtual std::int64_t CaretLine() const = 0;
    virtual void SetStatusText(const std::string& text) = 0;

    virtual bool ProgressVisible() const = 0;
    virtual void SetProgressVisible(bool visible) = 0;
    virtual void SetProgressRange(std::int64_t min, std::int64_t max) = 0;
    virtual void SetProgressValue(std::int64_t value) = 0;

    // The trace button (seventh of the toolbar): its picture index and caption.
    virtual int TraceButtonPicture() const = 0;
    virtual void SetTraceButtonPicture(int index) = 0;
    virtual void SetTraceButtonCaption(const std::string& caption) = 0;

    // Lets pending window events run: the user may stop the run or use other
    // commands there.
    virtual void DoEvents() = 0;
    // Seconds on a clock that never goes back.
    virtual double MonotonicSeconds() const = 0;
    // Outer size of the drawing frame, in surface units.
    virtual float FrameWidth() const = 0;
    virtual float FrameHeight() const = 0;
    // A trace is about to draw this zero-based editor line: the window lets
    // the user follow it in the text, at the latest when its events next run.
    virtual void MarkTracedLine(std::int64_t /*lineIndex*/) {}
    // The run is over: the line marked last is shown now if it is not yet.
    virtual void RunEnded() {}
};

// Picture the trace button shows while a run is active.
inline constexpr int kStopPicture = 7;
inline constexpr const char* kTraceCaption = "トレース";
inline constexpr const char* kStopCaption = "中断";

// The status text for the caret's zero-based line index: " 12行".
std::string CaretLineStatusText(std::int64_t lineIndex);

// What the status bar's right end shows while a program is read the standard way.
inline constexpr const char* kStandardReadingMark = "標準";
// The status text after a drawing that left lines out because their words
// were expressions or variables; empty when it left none out.
std::string ExpressionLinesStatusText(std::int64_t lines);

// Redraws or traces the editor's program. A request made while a run is
// active stops that run instead of starting another.
class RouteDriver {
public:
    RouteDriver(PlotEngine& engine, RouteHost& host) : engine_(engine), host_(host) {}

    void RouteDsp_Sub(bool trace);
    // Stops a running redraw or trace the way a second request does.
    void stopRun();
    void lineDspToStatusBar_Sub();

    // 1 while a redraw or trace runs, else 0.
    std::int16_t DrawBusy() const { return drawBusy_; }

private:
    bool extentsLoop(std::string_view text);
    // True when every line was drawn, false when the run was stopped. `text`
    // is what the extents pass read.
    bool drawLoop(bool trace, std::string text);
    void tracePause(double t0);
    void endOfRun(int savedPicture);

    PlotEngine& engine_;
    RouteHost& host_;
    std::int16_t drawBusy_ = 0;
};

}  // namespace orca
