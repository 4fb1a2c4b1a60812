#pragma once

#include <Qsci/qsciscintilla.h>

#include <QFont>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

namespace orca {

class EditorTextLoad;

// The editor pane richCode: plain text in one font, lines separated by
// CR LF. Every position it gives or takes is a character offset (Unicode
// code points, a CR LF counting two); Scintilla's byte positions stay inside.
class EditorPane : public QsciScintilla {
    Q_OBJECT

public:
    explicit EditorPane(QWidget* parent = nullptr);

    // The whole ProgramText, UTF-8.
    std::string programText() const;
    // Replaces everything at once; the text counts as unmodified, has no
    // undo history and the caret stands at its start.
    void setProgramText(std::string_view utf8);
    // The same for a text built apart (false, changing nothing, when it is
    // incomplete): the pane takes it over without copying it.
    [[nodiscard]] bool showLoadedText(EditorTextLoad& load);
    // Lays the pane's own document out afresh, caret, selection and scroll
    // kept: the view shows only its first line after a text built apart
    // has been dropped.
    void refreshView() const;
    bool empty() const;

    std::int64_t selectionStart() const;
    std::int64_t selectionLength() const;
    // Moves the caret there and selects nothing.
    void setSelectionStart(std::int64_t offset);
    // Selects that many characters from the selection start.
    void setSelectionLength(std::int64_t length);
    std::string selectedProgramText() const;
    // Replaces the selection (inserts at the caret when nothing is selected).
    void replaceSelection(std::string_view utf8);
    // Deletes the selection, or with nothing selected the character after
    // the caret (a CR LF as one), as the Del key does.
    void deleteForward();
    // Zero-based index of the line holding the caret.
    std::int64_t caretLine() const;
    // Moves the caret to the start of a zero-based line, scrolled into view.
    void showLine(std::int64_t lineIndex);

    // Changed since it was loaded or saved.
    bool changedSinceSave() const;
    void markSaved();

    // The pane's font as it was set (the name as given, not the face that
    // shows it), applied name, size, bold, italic in that order.
    const QFont& paneFont() const { return font_; }
    void setPaneFont(const QFont& font);

    std::int64_t charOffsetOf(std::int64_t bytePos) const;
    std::int64_t bytePosOf(std::int64_t charOffset) const;

signals:
    // Click, gain of focus, key down and key up: the caret line is shown.
    void caretStatusWanted();
    // Files dropped on the pane, local paths in the drop's order.
    void filesDropped(const QStringList& paths);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    static constexpr int kLineNumberMargin = 0;

    void fitLineNumberMargin();
    // A new text has no undo history, counts as saved and has the caret at its start.
    void startAfresh();
    std::int64_t byteLength() const;
    std::int64_t charLength() const;
    void needCharacterIndex() const;

    QFont font_;
    QString marginDigits_;
};

}  // namespace orca
