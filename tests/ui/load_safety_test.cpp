// What a load may change, and when: the document's path, caption, mode and
// view change only together with its text, exactly as the user named it,
// and no command runs in the middle.
#include <QMenu>
#include <QMetaObject>
#include <filesystem>
#include <functional>
#include <utility>

#include "app/app_identity.h"
#include "app/qt/form_commands.h"
#include "base/message_sink.h"
#include "document/document_state.h"
#include "document/load_memory.h"
#include "form1_fixture.h"
#include "nc/arc_words.h"

namespace orca::test {
namespace {

class LoadSafetyTest : public Form1Test {
protected:
    void drop(const std::string& path) { form().richCode_OLEDragDrop({QString::fromStdString(path)}); }

    // A program in incremental mode, its view panned, to see what a load keeps.
    std::string startPanned() {
        const std::string first = writeFile("first.nc", kFirst);
        started({first});
        ScaleWindow panned = form().engine().surface.window();
        panned.ScaleLeft = 500;
        form().engine().surface.setWindow(panned);
        return first;
    }
    void expectFirstKept(const std::string& first, const std::string& settingsBefore) {
        EXPECT_EQ(editorText(), kFirstText);
        EXPECT_EQ(form().documentPath(), first);
        EXPECT_EQ(caption(), CaptionSpaced(first));
        EXPECT_EQ(form().engine().nc.IncFlag, 1);
        EXPECT_EQ(form().engine().settings.IncFlagDefault, 1);
        EXPECT_EQ(form().engine().surface.window().ScaleLeft, 500.0f);
        EXPECT_EQ(form().engine().displayList.LineCount(), 1u);
        EXPECT_EQ(settingsText(), settingsBefore) << "recent list untouched";
    }
};

// Names differing only by their end or by blanks are different files; a
// long name is not cut to the start it shares with another file.
TEST_F(LoadSafetyTest, EveryRouteUsesThePathExactly) {
    std::string folder = dir();
    while (folder.size() < 300) {
        folder += "/ながいフォルダ名";
        std::filesystem::create_directory(folder);
    }
    const std::string longPath = folder + "/part2.nc";
    std::ofstream(longPath, std::ios::binary) << "G90\nG01 X7. Y7.\n";
    std::ofstream(folder + "/part2", std::ios::binary) << "unrelated";
    const std::string plain = writeFile("x.nc", "G90\nG01 X1.\n");
    const std::string blank = writeFile("x.nc ", "G90\nG01 X2.\n");

    started({blank});
    EXPECT_EQ(editorText(), "G90\r\nG01 X2.\r\n");
    EXPECT_EQ(form().documentPath(), blank);

    dialogs_.answer(std::vector<std::string>{longPath});
    form().mnuOpen_Click();
    EXPECT_EQ(editorText(), "G90\r\nG01 X7. Y7.\r\n");
    EXPECT_EQ(form().documentPath(), longPath);
    EXPECT_EQ(caption(), CaptionBracketed(longPath));

    drop(plain);
    EXPECT_EQ(form().documentPath(), plain);

    // The recent entries keep whole paths, and the long one loads its file.
    const QList<QAction*> entries = form().findChildren<QAction*>("mnuLine99");
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[1]->data().toString().toStdString(), longPath);
    entries[1]->trigger();
    EXPECT_EQ(form().documentPath(), longPath);
    EXPECT_EQ(editorText(), "G90\r\nG01 X7. Y7.\r\n");
    EXPECT_EQ(form().findChildren<QAction*>("mnuLine99").size(), 3) << "not listed again";

    // Saved where it was loaded from, nowhere else.
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(folder + "/part2"), "unrelated");
    EXPECT_EQ(readFile(plain), "G90\nG01 X1.\n");
    EXPECT_TRUE(dialogs_.allAnswered());
}

TEST_F(LoadSafetyTest, SaveAsWritesTheNameChosenExactly) {
    std::string folder = dir();
    while (folder.size() < 300) {
        folder += "/long-folder-name";
        std::filesystem::create_directory(folder);
    }
    const std::string plain = writeFile("x.nc", "keep me");
    std::ofstream(folder + "/part2", std::ios::binary) << "unrelated";
    started({writeFile("prog.nc", "G90\nG01 X1.\n")});

    dialogs_.answer(std::optional<std::string>(plain + " "));
    form().mnuNameSave_Click();
    EXPECT_EQ(form().documentPath(), plain + " ");
    EXPECT_EQ(readFile(plain), "keep me");
    EXPECT_TRUE(readFile(plain + " ").starts_with("G90\r\nG01 X1.\r\n"));

    dialogs_.answer(std::optional<std::string>(folder + "/part2.nc"));
    form().mnuNameSave_Click();
    EXPECT_EQ(form().documentPath(), folder + "/part2.nc");
    EXPECT_EQ(readFile(folder + "/part2"), "unrelated");
    EXPECT_TRUE(readFile(folder + "/part2.nc").starts_with("G90\r\nG01 X1.\r\n"));
}

// A save clicked while the Open command runs waits until the new program is
// in place; it must never write the old text into the newly chosen file.
TEST_F(LoadSafetyTest, CommandQueuedDuringOpenRunsAfterTheNewTextIsIn) {
    const std::string first = writeFile("first.nc", "G90\nG01 X1.\n");
    const std::string big = writeFile("big.nc", "G90\nG01 X2.\nG01 X3.\n");
    started({first});
    dialogs_.answer(std::vector<std::string>{big});
    QMetaObject::invokeMethod(&form(), "mnuUpdSave_Click", Qt::QueuedConnection);
    form().mnuOpen_Click();
    EXPECT_EQ(readFile(big), "G90\nG01 X2.\nG01 X3.\n") << "nothing ran inside the open";
    EXPECT_EQ(form().documentPath(), big);

    dialogs_.answer(MsgAnswer::Ok);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs_.allAnswered());
    EXPECT_TRUE(readFile(big).starts_with("G90\r\nG01 X2.\r\nG01 X3.\r\n"));
    EXPECT_EQ(readFile(first), "G90\nG01 X1.\n");
}

// Runs a step when the load shows the calculation error: what a click
// queued before the load would do inside that message box's event loop.
class CalcErrorHookDialogs : public ScriptedDialogs {
public:
    std::function<void()> onCalcError;

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                      const std::string& title) override {
        if (text == kCalcErrorMessage && onCalcError) std::exchange(onCalcError, {})();
        return ScriptedDialogs::message(text, icon, buttons, title);
    }
};

class LoadMessageTest : public Form1Test {
protected:
    LoadMessageTest() { form_ = std::make_unique<Form1>(settingsFile(), dialogs); }
    ~LoadMessageTest() override { form_.reset(); }

    CalcErrorHookDialogs dialogs;
};

TEST_F(LoadMessageTest, CommandsInsideAMessageBoxOfTheLoadAreRefused) {
    const std::string first = writeFile("first.nc", "G90\nG01 X1.\n");
    const std::string second = writeFile("second.nc", "G90\nG01 X50. Y0\nG02 X0 Y0 R1.\n");
    Form1& form = started({first});
    dialogs.onCalcError = [&] {
        form.mnuUpdSave_Click();
        form.mnuNameSave_Click();
        form.richCode_OLEDragDrop({QString::fromStdString(first)});
        form.mnuViewReDsp_Click();
        form.cmdUp_Click();
        EXPECT_EQ(form.statusText(), "読み込み中です");
    };
    form.richCode_OLEDragDrop({QString::fromStdString(second)});
    EXPECT_FALSE(dialogs.onCalcError) << "the hook ran";
    EXPECT_EQ(readFile(first), "G90\nG01 X1.\n");
    EXPECT_EQ(form.documentPath(), second);
    EXPECT_EQ(form.richCode().programText(), "G90\r\nG01 X50. Y0\r\nG02 X0 Y0 R1.\r\n");
    EXPECT_TRUE(dialogs.fileRequests().empty()) << "no save-as dialog";
    EXPECT_EQ(form.statusText(), " 1行");
}

// An empty file is a document of its own: its path, an empty editor and no
// drawing, so that a save writes nothing of the previous program into it.
TEST_F(LoadSafetyTest, EmptyFileOpensAsAnEmptyDocument) {
    const std::string first = startPanned();
    const std::string empty = writeFile("empty.nc", "");
    dialogs_.answer(MsgAnswer::Yes);
    drop(empty);
    EXPECT_EQ(editorText(), "");
    EXPECT_EQ(form().documentPath(), empty);
    EXPECT_EQ(caption(), CaptionSpaced(empty));
    EXPECT_TRUE(form().engine().displayList.empty());
    EXPECT_EQ(form().engine().settings.IncFlagDefault, 0);
    EXPECT_EQ(form().statusText(), " 1行");

    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(empty), "\r\n");
    EXPECT_EQ(readFile(first), kFirst);
}

TEST_F(LoadSafetyTest, RefusedFileChangesNothingAndIsNotListed) {
    const std::string first = startPanned();
    const std::string settingsBefore = settingsText();
    const std::string longLine = writeFile("long-line.nc", "G90\n(" + std::string(20 << 10, 'C') + ")\n");
    drop(longLine);
    EXPECT_EQ(dialogs_.messageTexts(),
              std::vector<std::string>{LineTooLongMessage((20 << 10) + 2, 16 << 10)});
    expectFirstKept(first, settingsBefore);
}

TEST_F(LoadSafetyTest, UnreadableFileKeepsModeAndView) {
    const std::string first = startPanned();
    const std::string missing = dir() + "/missing.nc";
    dialogs_.answer(MsgAnswer::Yes);
    drop(missing);
    ASSERT_EQ(dialogs_.messages().size(), 3u);
    EXPECT_EQ(editorText(), kFirstText);
    EXPECT_EQ(form().documentPath(), first);
    EXPECT_EQ(form().engine().nc.IncFlag, 1) << "the answer Yes did not take effect";
    EXPECT_EQ(form().engine().settings.IncFlagDefault, 1);
    EXPECT_EQ(form().engine().surface.window().ScaleLeft, 500.0f);
}

// Thousands of zoom clicks queued while a zoom lets events run: none nests
// inside another, and the picture ends on the last window.
TEST_F(LoadSafetyTest, FastAlternatingZoomClicksDoNotNest) {
    started({writeFile("prog.nc", "G90\nG01 X10. Y10.\nG02 X20. Y0 R10.\n")});
    const ScaleWindow before = form().engine().surface.window();
    for (int i = 0; i < 5000; ++i) {
        QMetaObject::invokeMethod(&form(), i % 2 ? "mnuViewScaleUp_Click" : "mnuViewScaleDown_Click",
                                  Qt::QueuedConnection);
    }
    form().mnuViewScaleUp_Click();
    QCoreApplication::processEvents();
    const ScaleWindow after = form().engine().surface.window();
    EXPECT_NEAR(after.ScaleWidth, before.ScaleWidth / 1.4, before.ScaleWidth * 1e-3);
    EXPECT_NEAR(after.ScaleHeight, before.ScaleHeight / 1.4, before.ScaleHeight * 1e-3);
    EXPECT_FALSE(form().commands().viewHost.viewChangeRunning);
}

}  // namespace
}  // namespace orca::test
