#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>

#include "form1_fixture.h"

namespace orca::test {
namespace {

class EditCommandsTest : public Form1Test {
protected:
    void SetUp() override {
        started();
        pane().setProgramText("G90\r\nG01 X1.\r\nM30\r\n");
    }
    EditorPane& pane() { return form().richCode(); }
    void select(std::int64_t start, std::int64_t length) {
        pane().setSelectionStart(start);
        pane().setSelectionLength(length);
    }
    QClipboard& clipboard() { return *QGuiApplication::clipboard(); }
};

TEST_F(EditCommandsTest, CopyWithNothingSelectedLeavesAnEmptyClipboard) {
    clipboard().setText("old");
    select(2, 0);
    action("mnuEditCopy")->trigger();
    EXPECT_EQ(clipboard().text(), "");
}

TEST_F(EditCommandsTest, CutPutsPlainTextOnTheClipboardAndRemovesIt) {
    select(5, 3);
    action("mnuEditCut")->trigger();
    EXPECT_EQ(clipboard().text(), "G01");
    EXPECT_EQ(pane().programText(), "G90\r\n X1.\r\nM30\r\n");
}

TEST_F(EditCommandsTest, PasteTakesOnlyTextWithTheEditorsLineBreaks) {
    clipboard().setText("X2.\nY3.");
    select(9, 3);
    action("mnuEditPaste")->trigger();
    EXPECT_EQ(pane().programText(), "G90\r\nG01 X2.\r\nY3.\r\nM30\r\n");

    auto* picture = new QMimeData;
    picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
    clipboard().setMimeData(picture);
    select(0, 5);
    action("mnuEditPaste")->trigger();
    EXPECT_EQ(pane().programText(), "G01 X2.\r\nY3.\r\nM30\r\n");
}

TEST_F(EditCommandsTest, DeleteRemovesTheSelectionOrTheCharacterAfterTheCaret) {
    select(0, 5);
    action("mnuEditDelete")->trigger();
    EXPECT_EQ(pane().programText(), "G01 X1.\r\nM30\r\n");
    select(3, 0);
    action("mnuEditDelete")->trigger();
    EXPECT_EQ(pane().programText(), "G01X1.\r\nM30\r\n");
    pane().setSelectionStart(1000);
    action("mnuEditDelete")->trigger();
    EXPECT_EQ(pane().programText(), "G01X1.\r\nM30\r\n");
}

TEST_F(EditCommandsTest, DelKeyInTheEditorRunsTheDeleteCommand) {
    activate();
    pane().setFocus();
    select(5, 4);
    QSignalSpy command(action("mnuEditDelete"), &QAction::triggered);
    QTest::keyClick(&pane(), Qt::Key_Delete);
    EXPECT_EQ(command.count(), 1);
    EXPECT_EQ(pane().programText(), "G90\r\nX1.\r\nM30\r\n");
    EXPECT_EQ(action("mnuEditDelete")->shortcut(), QKeySequence(Qt::Key_Delete));
}

TEST_F(EditCommandsTest, ClicksKeysAndFocusShowTheCaretLineMenuPasteDoesNot) {
    activate();
    pane().setSelectionStart(6);
    QTest::keyClick(pane().viewport(), Qt::Key_Down);
    EXPECT_EQ(form().statusText(), " 3行");
    pane().setSelectionStart(0);
    // In the text, right of the line numbers (a click on them selects the line).
    QTest::mouseClick(pane().viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(pane().marginWidth(0) + 2, 2));
    EXPECT_EQ(form().statusText(), " 1行");

    clipboard().setText("A\r\nB\r\nC\r\n");
    action("mnuEditPaste")->trigger();
    EXPECT_EQ(form().statusText(), " 1行");
    EXPECT_EQ(pane().caretLine(), 3);
}

}  // namespace
}  // namespace orca::test
