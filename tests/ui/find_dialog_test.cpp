#include "document/qt/find_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <string>
#include <vector>

#include "base/message_sink.h"
#include "document/qt/editor_pane.h"
#include "document/qt/pane_find_editor.h"
#include "scripted_dialogs.h"

using namespace orca;

namespace {

class Sink : public MessageSink {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

struct FindFixture {
    EditorPane pane;
    PaneFindEditor editor{pane};
    FindState state;
    Sink sink;
    test::ScriptedDialogs dialogs;

    explicit FindFixture(const char* text) { pane.setProgramText(text); }

    void show(test::ScriptedDialogs::ModalScript user) {
        dialogs.answer(std::move(user));
        ShowFindDialog(state, editor, sink, dialogs, nullptr);
    }
};

}  // namespace

TEST(FindDialog, HasItsControlsCaptionsAndTooltips) {
    FindFixture f("");
    FindDialog d(f.state, f.editor, f.sink);
    EXPECT_EQ(d.windowTitle(), "文字列の検索");
    EXPECT_EQ(d.txtFind()->toolTip(), "検索する文字列を入力します");
    EXPECT_EQ(d.chkCase()->text(), "大文字と小文字を区別する(&C)");
    EXPECT_EQ(d.chkCase()->toolTip(), "大文字と小文字を区別します");
    EXPECT_EQ(d.optDirection(0)->text(), "上方向(&U)");
    EXPECT_EQ(d.optDirection(0)->toolTip(), "文書の先頭方向に検索します");
    EXPECT_EQ(d.optDirection(1)->text(), "下方向(&D)");
    EXPECT_EQ(d.optDirection(1)->toolTip(), "文書の末尾方向に検索します");
    EXPECT_EQ(d.cmdFind()->text(), "検索(&F)");
    EXPECT_EQ(d.cmdFind()->toolTip(), "検索を開始します");
    EXPECT_TRUE(d.cmdFind()->isDefault());
    EXPECT_EQ(d.cmdcancel()->text(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(d.findChild<QGroupBox*>()->title(), "検索方向");
    const QLabel* label = d.findChild<QLabel*>();
    EXPECT_EQ(label->text(), "検索する文字列(&N):");
    EXPECT_EQ(label->buddy(), d.txtFind());

    // Load step: the search button waits for text; the stored direction is chosen.
    EXPECT_FALSE(d.cmdFind()->isEnabled());
    EXPECT_TRUE(d.optDirection(0)->isChecked());
    d.txtFind()->setText("G");
    EXPECT_TRUE(d.cmdFind()->isEnabled());
    d.txtFind()->clear();
    EXPECT_FALSE(d.cmdFind()->isEnabled());
}

TEST(FindDialog, EachClickFindsTheNextOccurrenceInTheEditor) {
    FindFixture f("G01 X1.\r\nG02 X2.");
    f.show([&](QDialog& dialog) {
        auto& d = static_cast<FindDialog&>(dialog);
        d.optDirection(1)->setChecked(true);
        d.txtFind()->setText("G0");
        d.cmdFind()->click();
        EXPECT_EQ(f.pane.selectionStart(), 0);
        EXPECT_EQ(f.pane.selectionLength(), 2);
        d.cmdFind()->click();
        EXPECT_EQ(f.pane.selectionStart(), 9);
        EXPECT_EQ(f.pane.selectionLength(), 2);
        d.cmdFind()->click();
        return QDialog::Rejected;
    });
    ASSERT_EQ(f.sink.messages.size(), 1u);
    EXPECT_EQ(f.sink.messages[0], "文字列 \"G0\" が見つかりません。");
    EXPECT_EQ(f.pane.selectionStart(), 9);
    EXPECT_EQ(f.state.direction, kFindDown);
}

TEST(FindDialog, PositionsAreCharactersAlsoAfterJapaneseText) {
    FindFixture f("(穴あけ)\r\nG81 X1.");
    f.state.text = U"g81";
    f.state.direction = kFindDown;
    f.state.textChanged = true;
    FindNext_Sub(f.state, f.editor, f.sink);
    EXPECT_EQ(f.pane.selectionStart(), 7);
    EXPECT_EQ(f.pane.selectedProgramText(), "G81");
}

TEST(FindDialog, OpensWithTheSelectionOrTheLastTextAndTheCaseChoice) {
    FindFixture f("G01 X1.\r\nG02 X2.");
    f.state.text = U"X2";
    f.state.matchCase = 1;
    QString shown;
    bool caseChecked = false;
    const auto user = [&](QDialog& dialog) {
        auto& d = static_cast<FindDialog&>(dialog);
        shown = d.txtFind()->text();
        caseChecked = d.chkCase()->isChecked();
        return QDialog::Rejected;
    };
    f.show(user);
    EXPECT_EQ(shown, "X2");
    EXPECT_TRUE(caseChecked);
    EXPECT_TRUE(f.state.textChanged);

    f.pane.setSelectionStart(9);
    f.pane.setSelectionLength(3);
    f.show(user);
    EXPECT_EQ(shown, "G02");
}

TEST(FindDialog, CancelAndEscKeepTheTextTheCloseBoxDoesNot) {
    FindFixture f("abc");
    const auto playing = [&](std::function<void(FindDialog&)> leave) {
        f.show([leave](QDialog& dialog) {
            auto& d = static_cast<FindDialog&>(dialog);
            d.txtFind()->setText("b");
            leave(d);
            return dialog.result();
        });
    };
    playing([](FindDialog& d) { d.cmdcancel()->click(); });
    EXPECT_EQ(f.state.text, U"b");

    f.state.text = U"a";
    playing([](FindDialog& d) {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&d, &esc);
    });
    EXPECT_EQ(f.state.text, U"b");

    f.state.text = U"a";
    playing([](FindDialog& d) { d.close(); });
    EXPECT_EQ(f.state.text, U"a");
}
