#include "document/qt/editor_pane.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "document/qt/editor_text_load.h"

namespace orca {
namespace {

QStringList localFiles(const QMimeData* mime) {
    QStringList files;
    if (!mime || !mime->hasUrls()) return files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) files << url.toLocalFile();
    }
    return files;
}

}  // namespace

EditorPane::EditorPane(QWidget* parent) : QsciScintilla(parent) {
    setObjectName("richCode");
    setUtf8(true);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setWrapMode(WrapNone);
    for (int margin = 0; margin < 5; ++margin) setMarginWidth(margin, 0);
    setMarginType(kLineNumberMargin, NumberMargin);
    setMarginLineNumbers(kLineNumberMargin, true);
    connect(this, &QsciScintilla::linesChanged, this, &EditorPane::fitLineNumberMargin);
    fitLineNumberMargin();
    setAcceptDrops(true);
    // The horizontal scroll bar appears only when a line is wider than the pane.
    SendScintilla(SCI_SETSCROLLWIDTH, 1L);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1L);
}

// Made on the first use of a character offset (finding text) and then kept
// up to date by Scintilla, so that an offset costs a line look-up; not at a
// load, where counting a big program's characters would delay its showing.
void EditorPane::needCharacterIndex() const {
    if ((SendScintilla(SCI_GETLINECHARACTERINDEX) & SC_LINECHARACTERINDEX_UTF32) == 0)
        SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF32);
}

std::int64_t EditorPane::byteLength() const { return SendScintilla(SCI_GETLENGTH); }

std::int64_t EditorPane::charLength() const {
    needCharacterIndex();
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    return SendScintilla(SCI_INDEXPOSITIONFROMLINE, lines, SC_LINECHARACTERINDEX_UTF32);
}

std::string EditorPane::programText() const {
    const auto length = static_cast<std::size_t>(byteLength());
    const auto* data = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return data ? std::string(data, length) : std::string();
}

void EditorPane::setProgramText(std::string_view utf8) {
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
    startAfresh();
}

bool EditorPane::showLoadedText(EditorTextLoad& load) {
    void* document = load.takeDocument();
    if (!document) return false;
    // The code page and line-end mode belong to the document, so the new
    // one is given the pane's.
    const long eolMode = SendScintilla(SCI_GETEOLMODE);
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);
    SendScintilla(SCI_SETCODEPAGE, static_cast<unsigned long>(SC_CP_UTF8));
    SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(eolMode));
    startAfresh();
    fitLineNumberMargin();
    return true;
}

void EditorPane::refreshView() const {
    const long anchor = SendScintilla(SCI_GETANCHOR);
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long firstLine = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long xOffset = SendScintilla(SCI_GETXOFFSET);
    const long document = SendScintilla(SCI_GETDOCPOINTER);
    // Held while the view lets go of it and takes it again.
    SendScintilla(SCI_ADDREFDOCUMENT, 0UL, document);
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
    SendScintilla(SCI_SETXOFFSET, static_cast<unsigned long>(xOffset));
    // As when the pane was made: the scroll bar follows the widest line seen.
    SendScintilla(SCI_SETSCROLLWIDTH, 1L);
}

void EditorPane::startAfresh() {
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_GOTOPOS, 0L);
    markSaved();
}

bool EditorPane::empty() const { return byteLength() == 0; }

std::int64_t EditorPane::charOffsetOf(std::int64_t bytePos) const {
    needCharacterIndex();
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(bytePos));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    return SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF32) +
           SendScintilla(SCI_COUNTCHARACTERS, lineStart, static_cast<long>(bytePos));
}

std::int64_t EditorPane::bytePosOf(std::int64_t charOffset) const {
    if (charOffset <= 0) return 0;
    if (charOffset >= charLength()) return byteLength();
    const long line =
        SendScintilla(SCI_LINEFROMINDEXPOSITION, static_cast<long>(charOffset), SC_LINECHARACTERINDEX_UTF32);
    const long lineChar = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF32);
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    return SendScintilla(SCI_POSITIONRELATIVE, lineStart, static_cast<long>(charOffset - lineChar));
}

std::int64_t EditorPane::selectionStart() const { return charOffsetOf(SendScintilla(SCI_GETSELECTIONSTART)); }

std::int64_t EditorPane::selectionLength() const {
    return charOffsetOf(SendScintilla(SCI_GETSELECTIONEND)) - selectionStart();
}

void EditorPane::setSelectionStart(std::int64_t offset) {
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(bytePosOf(offset)));
}

void EditorPane::setSelectionLength(std::int64_t length) {
    const std::int64_t start = selectionStart();
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(bytePosOf(start)),
                  static_cast<long>(bytePosOf(start + std::max<std::int64_t>(length, 0))));
}

std::string EditorPane::selectedProgramText() const {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    const auto* data = reinterpret_cast<const char*>(SendScintilla(
        SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), static_cast<long>(end - start)));
    return data ? std::string(data, static_cast<std::size_t>(end - start)) : std::string();
}

void EditorPane::replaceSelection(std::string_view utf8) {
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), static_cast<long>(end));
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(utf8.size()), utf8.data());
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(start + static_cast<long>(utf8.size())));
}

void EditorPane::deleteForward() {
    if (SendScintilla(SCI_GETSELECTIONEMPTY) == 0) {
        replaceSelection("");
    } else if (SendScintilla(SCI_GETCURRENTPOS) < byteLength()) {
        SendScintilla(SCI_CLEAR);
    }
}

void EditorPane::showLine(std::int64_t lineIndex) {
    SendScintilla(SCI_GOTOLINE, static_cast<unsigned long>(std::max<std::int64_t>(lineIndex, 0)));
}

// As wide as the largest number in the pane's font, plus one digit of room.
void EditorPane::fitLineNumberMargin() {
    const QString widest(QString::number(lines()).size() + 1, QLatin1Char('9'));
    if (widest == marginDigits_) return;
    marginDigits_ = widest;
    setMarginWidth(kLineNumberMargin, widest);
}

std::int64_t EditorPane::caretLine() const {
    return SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(SendScintilla(SCI_GETCURRENTPOS)));
}

bool EditorPane::changedSinceSave() const { return SendScintilla(SCI_GETMODIFY) != 0; }

void EditorPane::markSaved() { SendScintilla(SCI_SETSAVEPOINT); }

void EditorPane::setPaneFont(const QFont& font) {
    font_ = font;
    // Scintilla takes the face by a Latin-1 name, so it gets the face the
    // name resolves to ("MS ゴシック" stands for an installed Japanese face).
    QFont shown = font;
    shown.setFamilies({QFontInfo(font).family()});
    setFont(shown);
    setMarginsFont(shown);
    marginDigits_.clear();
    fitLineNumberMargin();
}

bool EditorPane::event(QEvent* e) {
    // Del belongs to the Delete command of the Edit menu, even in the pane,
    // and Esc to stopping a trace (the pane has nothing of its own to cancel).
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Escape) &&
            key->modifiers() == Qt::NoModifier) {
            e->ignore();
            return false;
        }
    }
    return QsciScintilla::event(e);
}

void EditorPane::keyPressEvent(QKeyEvent* e) {
    QsciScintilla::keyPressEvent(e);
    emit caretStatusWanted();
}

void EditorPane::keyReleaseEvent(QKeyEvent* e) {
    QsciScintilla::keyReleaseEvent(e);
    emit caretStatusWanted();
}

void EditorPane::mouseReleaseEvent(QMouseEvent* e) {
    QsciScintilla::mouseReleaseEvent(e);
    emit caretStatusWanted();
}

void EditorPane::focusInEvent(QFocusEvent* e) {
    QsciScintilla::focusInEvent(e);
    emit caretStatusWanted();
}

void EditorPane::dragEnterEvent(QDragEnterEvent* e) {
    if (!localFiles(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
        return;
    }
    QsciScintilla::dragEnterEvent(e);
}

void EditorPane::dragMoveEvent(QDragMoveEvent* e) {
    if (!localFiles(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
        return;
    }
    QsciScintilla::dragMoveEvent(e);
}

void EditorPane::dropEvent(QDropEvent* e) {
    const QStringList files = localFiles(e->mimeData());
    if (files.isEmpty()) {
        QsciScintilla::dropEvent(e);
        return;
    }
    e->acceptProposedAction();
    emit filesDropped(files);
}

}  // namespace orca
