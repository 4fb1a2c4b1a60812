#include "app/qt/form_commands.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>
#include <utility>

#include "app/qt/form1.h"
#include "app/ui/progress_control.h"
#include "document/qt/editor_pane.h"
#include "document/qt/user_dialogs.h"

namespace orca {
FormRouteHost::FormRouteHost(Form1& form) : form_(form) { clock_.start(); }

// Scintilla's own buffer, made contiguous, so a redraw that only compares
// the text does not copy it.
std::string_view FormRouteHost::EditorText() const {
    EditorPane& pane = form_.richCode();
    const auto length = static_cast<std::size_t>(pane.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    const auto* data =
        static_cast<const char*>(pane.SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
    return data ? std::string_view(data, length) : std::string_view();
}

std::int64_t FormRouteHost::CaretLine() const { return form_.richCode().caretLine(); }

void FormRouteHost::SetStatusText(const std::string& text) { form_.setStatusText(text); }

bool FormRouteHost::ProgressVisible() const { return form_.progressBar1().visible(); }

void FormRouteHost::SetProgressVisible(bool visible) { form_.progressBar1().setVisible(visible); }

void FormRouteHost::SetProgressRange(std::int64_t min, std::int64_t max) {
    form_.progressBar1().setMax(max);
    form_.progressBar1().setMin(min);
}

void FormRouteHost::SetProgressValue(std::int64_t value) { form_.progressBar1().setValue(value); }

int FormRouteHost::TraceButtonPicture() const { return form_.buttonPicture(Form1::kTraceButtonPosition); }

void FormRouteHost::SetTraceButtonPicture(int index) {
    form_.setButtonPicture(Form1::kTraceButtonPosition, index);
}

void FormRouteHost::SetTraceButtonCaption(const std::string& caption) {
    form_.toolbarButton(Form1::kTraceButtonPosition)->setText(QString::fromStdString(caption));
}

void FormRouteHost::DoEvents() {
    if (sincePump_.isValid() && !sincePump_.hasExpired(kPumpIntervalMs)) return;
    showTracedLine();
    QCoreApplication::processEvents();
    sincePump_.start();
}

double FormRouteHost::MonotonicSeconds() const { return static_cast<double>(clock_.nsecsElapsed()) * 1e-9; }

float FormRouteHost::FrameWidth() const { return form_.picMainWidth(); }

float FormRouteHost::FrameHeight() const { return form_.picMainHeight(); }

// The caret follows the trace, so the line being drawn is in view and
// highlighted, and a stopped trace leaves the caret on the last line drawn.
void FormRouteHost::MarkTracedLine(std::int64_t lineIndex) { tracedLine_ = lineIndex; }

void FormRouteHost::RunEnded() { showTracedLine(); }

void FormRouteHost::showTracedLine() {
    if (tracedLine_) form_.richCode().showLine(*std::exchange(tracedLine_, std::nullopt));
}

void FormViewHost::ShowHourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void FormViewHost::RestorePointer() { QApplication::restoreOverrideCursor(); }

void FormViewHost::DoEvents() { QCoreApplication::processEvents(); }

void FormViewHost::SetPanButtonEnabled(PanDirection direction, bool enabled) {
    form_.panButton(direction)->setEnabled(enabled);
}

void PlainMessageSink::showMessage(const std::string& text) {
    form_.dialogs().message(text, MsgIcon::None, MsgButtons::Ok);
}

FormCommands::FormCommands(Form1& form)
    : routeHost(form),
      driver(form.engine(), routeHost),
      viewHost(form),
      findEditor(form.richCode()),
      findMessages(form) {}

}  // namespace orca
