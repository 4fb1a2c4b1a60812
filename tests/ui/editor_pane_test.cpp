#include "document/qt/editor_pane.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <thread>

#include "app/qt/font_substitutes.h"
#include "document/qt/editor_text_load.h"

namespace orca::test {
namespace {

using namespace std::string_literals;

class EditorPaneTest : public ::testing::Test {
protected:
    void dragAndDrop(const QMimeData& data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane.viewport(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(pane.viewport(), &drop);
    }

    EditorPane pane;
};

TEST_F(EditorPaneTest, TextRoundTripsByteForByteNulsIncluded) {
    const std::string text = "G90\r\n(工具 あ)\r\nX1.\0Y2.\r\n"s;
    pane.setProgramText(text);
    EXPECT_EQ(pane.programText(), text);
    EXPECT_FALSE(pane.changedSinceSave());
    EXPECT_FALSE(pane.isUndoAvailable());
    EXPECT_EQ(pane.selectionStart(), 0);
}

TEST_F(EditorPaneTest, PositionsAreCharactersNotBytes) {
    pane.setProgramText("(あい)\r\nG01 X1.");
    // "(あい)" is 4 characters but 8 bytes; the CR LF counts two.
    pane.setSelectionStart(6);
    pane.setSelectionLength(3);
    EXPECT_EQ(pane.selectedProgramText(), "G01");
    EXPECT_EQ(pane.selectionStart(), 6);
    EXPECT_EQ(pane.selectionLength(), 3);
    pane.setSelectionStart(1);
    pane.setSelectionLength(2);
    EXPECT_EQ(pane.selectedProgramText(), "あい");
    EXPECT_EQ(pane.caretLine(), 0);
    pane.setSelectionStart(7);
    EXPECT_EQ(pane.caretLine(), 1);
    EXPECT_EQ(pane.selectionLength(), 0);
}

// A text built apart, in pieces and on another thread, replaces the pane's
// as setProgramText does: unmodified, no undo, caret at the start, offsets
// in characters, edits and undo working on it; a second one replaces the
// first, and one dropped unshown changes nothing.
TEST_F(EditorPaneTest, TextBuiltApartReplacesThePaneText) {
    QSignalSpy modification(&pane, &QsciScintilla::modificationChanged);
    pane.setProgramText("old\r\n");
    pane.replaceSelection("x");
    ASSERT_TRUE(pane.changedSinceSave());
    for (int round = 0; round < 2; ++round) {
        EditorTextLoad load(pane, 4);
        std::thread([&load] {
            load.append("(あい)\r\n");
            load.append("");
            load.append("G01 X1.\r\n");
        }).join();
        ASSERT_TRUE(pane.showLoadedText(load));
        EXPECT_EQ(pane.programText(), "(あい)\r\nG01 X1.\r\n");
        EXPECT_FALSE(pane.changedSinceSave());
        EXPECT_FALSE(pane.isModified());
        EXPECT_FALSE(pane.isUndoAvailable());
        EXPECT_EQ(pane.caretLine(), 0);
        EXPECT_EQ(pane.lines(), 3);
    }
    EXPECT_FALSE(modification.isEmpty());
    EXPECT_FALSE(modification.back().front().toBool());

    pane.setSelectionStart(6);
    pane.setSelectionLength(3);
    EXPECT_EQ(pane.selectedProgramText(), "G01");
    pane.replaceSelection("G02");
    EXPECT_TRUE(pane.changedSinceSave());
    EXPECT_EQ(pane.programText(), "(あい)\r\nG02 X1.\r\n");
    pane.undo();
    EXPECT_EQ(pane.programText(), "(あい)\r\nG01 X1.\r\n");

    {
        EditorTextLoad dropped(pane, 0);
        dropped.append("never shown");
    }
    EditorTextLoad empty(pane, 0);
    ASSERT_TRUE(pane.showLoadedText(empty));
    EXPECT_TRUE(pane.empty());
}

TEST_F(EditorPaneTest, OffsetsBeyondTheTextStopAtItsEnd) {
    pane.setProgramText("abc");
    pane.setSelectionStart(99);
    EXPECT_EQ(pane.selectionStart(), 3);
    pane.setSelectionStart(1);
    pane.setSelectionLength(99);
    EXPECT_EQ(pane.selectedProgramText(), "bc");
}

TEST_F(EditorPaneTest, ReplacingTheSelectionInsertsAtTheCaretAndMarksAChange) {
    pane.setProgramText("G01 X1.");
    pane.setSelectionStart(4);
    pane.replaceSelection("Y2. ");
    EXPECT_EQ(pane.programText(), "G01 Y2. X1.");
    EXPECT_EQ(pane.selectionStart(), 8);
    EXPECT_TRUE(pane.changedSinceSave());
    pane.markSaved();
    EXPECT_FALSE(pane.changedSinceSave());
}

TEST_F(EditorPaneTest, DeleteForwardRemovesTheSelectionOrTheNextCharacter) {
    pane.setProgramText("ab\r\ncd");
    pane.setSelectionStart(2);
    pane.deleteForward();
    EXPECT_EQ(pane.programText(), "abcd");  // a CR LF goes as one
    pane.setSelectionStart(1);
    pane.setSelectionLength(2);
    pane.deleteForward();
    EXPECT_EQ(pane.programText(), "ad");
    pane.setSelectionStart(2);
    pane.deleteForward();
    EXPECT_EQ(pane.programText(), "ad");
}

TEST_F(EditorPaneTest, EnterTypesCrLf) {
    pane.setProgramText("G90");
    pane.setSelectionStart(3);
    QTest::keyClick(pane.viewport(), Qt::Key_Return);
    EXPECT_EQ(pane.programText(), "G90\r\n");
}

TEST_F(EditorPaneTest, FontKeepsItsNameWhileAnInstalledFaceShowsIt) {
    InstallFontSubstitutes();
    QFont font("MS ゴシック");
    font.setPointSizeF(10.5);
    pane.setPaneFont(font);
    EXPECT_EQ(pane.paneFont().family().toStdString(), "MS ゴシック");
    EXPECT_EQ(pane.paneFont().pointSizeF(), 10.5);
    EXPECT_EQ(QFontInfo(pane.font()).family().toStdString(), "IPAGothic");
}

TEST_F(EditorPaneTest, DroppedFilesAreHandedOverInOrderOtherDropsAreText) {
    QSignalSpy dropped(&pane, &EditorPane::filesDropped);
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.nc"), QUrl::fromLocalFile("/tmp/b.nc")});
    dragAndDrop(files);
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toStringList(), (QStringList{"/tmp/a.nc", "/tmp/b.nc"}));

    QMimeData web;
    web.setUrls({QUrl("https://example.com/a.nc")});
    dragAndDrop(web);
    EXPECT_EQ(dropped.count(), 1);
}

}  // namespace
}  // namespace orca::test
