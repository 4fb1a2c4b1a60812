#pragma once

#include <QElapsedTimer>
#include <optional>

#include "base/message_sink.h"
#include "document/find.h"
#include "document/qt/pane_find_editor.h"
#include "nc/route_driver.h"
#include "view/pan.h"

namespace orca {

class Form1;

// The draw driver's view of the main window. Events are offered at every
// point the driver names but run at most once per kPumpIntervalMs, so a
// redraw of a long program does not spend its time polling an idle queue.
class FormRouteHost : public RouteHost {
public:
    static constexpr int kPumpIntervalMs = 10;

    explicit FormRouteHost(Form1& form);

    std::string_view EditorText() const override;
    std::int64_t CaretLine() const override;
    void SetStatusText(const std::string& text) override;
    bool ProgressVisible() const override;
    void SetProgressVisible(bool visible) override;
    void SetProgressRange(std::int64_t min, std::int64_t max) override;
    void SetProgressValue(std::int64_t value) override;
    int TraceButtonPicture() const override;
    void SetTraceButtonPicture(int index) override;
    void SetTraceButtonCaption(const std::string& caption) override;
    void DoEvents() override;
    double MonotonicSeconds() const override;
    float FrameWidth() const override;
    float FrameHeight() const override;
    void MarkTracedLine(std::int64_t lineIndex) override;
    void RunEnded() override;

private:
    Form1& form_;
    QElapsedTimer clock_;
    QElapsedTimer sincePump_;
    // The traced line the caret goes to when the events next run: moving
    // the caret scrolls the editor, which is worth doing only when seen.
    std::optional<std::int64_t> tracedLine_;
    void showTracedLine();
};

// Zoom and pan: the hourglass over the whole program and the pan buttons.
class FormViewHost : public PanHost {
public:
    explicit FormViewHost(Form1& form) : form_(form) {}

    void ShowHourglass() override;
    void RestorePointer() override;
    void DoEvents() override;
    void SetPanButtonEnabled(PanDirection direction, bool enabled) override;

private:
    Form1& form_;
};

// The not-found message: the application title, an OK button, no icon.
class PlainMessageSink : public MessageSink {
public:
    explicit PlainMessageSink(Form1& form) : form_(form) {}
    void showMessage(const std::string& text) override;

private:
    Form1& form_;
};

// What the main window's drawing commands keep for the whole run.
class FormCommands {
public:
    explicit FormCommands(Form1& form);

    FormRouteHost routeHost;
    RouteDriver driver;
    FormViewHost viewHost;
    FindState findState;
    PaneFindEditor findEditor;
    PlainMessageSink findMessages;
};

}  // namespace orca
