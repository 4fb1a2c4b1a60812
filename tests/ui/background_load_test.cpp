// A load runs beside the window's event loop: the window keeps answering,
// Esc, the trace button and closing the window cancel it, a cancelled load
// changes nothing, and the document's commands wait for the load.
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "app/ui/progress_control.h"
#include "app/ui/surface_view.h"
#include "document/recent_caption.h"
#include "form1_fixture.h"
#include "program_generator.h"

namespace orca::test {
namespace {

class BackgroundLoadTest : public Form1Test {
protected:
    // Large enough that the passes last many turns of the event loop.
    std::string bigProgram() {
        ProgramOptions options;
        options.lines = 400000;
        return writeFile("big.nc", GenerateProgram(options));
    }

    // The first program, in incremental mode and panned, to see what a
    // cancelled load keeps.
    std::string startPanned() {
        const std::string first = writeFile("first.nc", kFirst);
        started({first});
        ScaleWindow panned = form().engine().surface.window();
        panned.ScaleLeft = 500;
        form().engine().surface.setWindow(panned);
        return first;
    }

    void expectFirstKept(const std::string& first) {
        EXPECT_EQ(editorText(), kFirstText);
        EXPECT_EQ(form().documentPath(), first);
        EXPECT_EQ(caption(), CaptionSpaced(first));
        EXPECT_EQ(form().engine().nc.IncFlag, 1);
        EXPECT_EQ(form().engine().settings.IncFlagDefault, 1);
        EXPECT_EQ(form().engine().surface.window().ScaleLeft, 500.0f);
        EXPECT_EQ(form().engine().displayList.LineCount(), 1u);
        EXPECT_EQ(form().toolbarButton(Form1::kTraceButtonPosition)->text().toStdString(), "トレース");
        EXPECT_FALSE(form().progressBar1().visible());
        EXPECT_FALSE(form().richCode().isReadOnly());
    }

    // Runs `step` once, from the event loop, while the passes of the load
    // started next run; counts the turns of the loop meanwhile.
    void duringPasses(std::function<void()> step) {
        step_ = std::move(step);
        QObject::connect(&ticker_, &QTimer::timeout, [this] {
            if (!form().progressBar1().visible()) return;
            ++turnsDuringPasses_;
            progressSeen_ = std::max(progressSeen_, form().progressBar1().value());
            if (step_) std::exchange(step_, {})();
        });
        ticker_.start(0);
    }

    void drop(const std::string& path) { form().richCode_OLEDragDrop({QString::fromStdString(path)}); }

    QTimer ticker_;
    std::function<void()> step_;
    int turnsDuringPasses_ = 0;
    std::int64_t progressSeen_ = 0;
};

TEST_F(BackgroundLoadTest, WindowAnswersAndTheBarMovesWhileTheProgramLoads) {
    const std::string big = bigProgram();
    started();
    std::string status;
    std::string traceCaption;
    duringPasses([&] {
        status = form().statusText();
        traceCaption = form().toolbarButton(Form1::kTraceButtonPosition)->text().toStdString();
        EXPECT_TRUE(form().richCode().isReadOnly());
    });
    drop(big);
    EXPECT_GT(turnsDuringPasses_, 1);
    EXPECT_GT(progressSeen_, 0) << "the bar moved";
    EXPECT_EQ(status, "読み込み中... " + big);
    EXPECT_EQ(traceCaption, "中断");

    EXPECT_EQ(form().documentPath(), big);
    EXPECT_EQ(form().richCode().lines(), 400001) << "400,000 lines and the empty one after";
    EXPECT_GT(form().engine().displayList.LineCount(), 100000u);
    EXPECT_EQ(form().statusText(), " 1行");
    EXPECT_EQ(form().toolbarButton(Form1::kTraceButtonPosition)->text().toStdString(), "トレース");
    EXPECT_FALSE(form().richCode().isReadOnly());
}

// Esc, the trace button ("中断" meanwhile) and closing the window each stop
// the load; the previous document, mode, view and picture stay.
TEST_F(BackgroundLoadTest, CancelLeavesThePreviousDocumentAsItWas) {
    const std::string big = bigProgram();
    const std::string first = startPanned();
    const std::string statusBefore = form().statusText();
    const QImage pictureBefore = form().picBox1().raster().image().copy();

    duringPasses([&] { QTest::keyClick(&form(), Qt::Key_Escape); });
    drop(big);
    expectFirstKept(first);
    EXPECT_EQ(form().statusText(), statusBefore);
    EXPECT_TRUE(form().picBox1().raster().image() == pictureBefore);

    duringPasses([&] { form().toolbarButton(Form1::kTraceButtonPosition)->trigger(); });
    drop(big);
    expectFirstKept(first);

    duringPasses([&] { form().close(); });
    drop(big);
    expectFirstKept(first);
    EXPECT_TRUE(form().isVisible()) << "closed once the load has stopped";
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().isVisible());
}

// The editor shows the previous text as before once a load is cancelled:
// dropping the text built meanwhile left the view showing only its first
// line, the text itself intact.
TEST_F(BackgroundLoadTest, CancelLeavesTheEditorShowingItsText) {
    const std::string big = bigProgram();
    started({writeFile("first.nc", "%\nO1000 (FIRST)\nG90 G54\nN3 G00 X1. Y2.\nN4 G01 Z-2.\nN5 G01 X3.\n")});
    form().show();
    form().richCode().setFocus();
    form().richCode().SendScintilla(QsciScintillaBase::SCI_GOTOLINE, 4L);
    QCoreApplication::processEvents();
    const QImage before = form().richCode().grab().toImage();

    duringPasses([&] { QTest::keyClick(&form(), Qt::Key_Escape); });
    drop(big);
    QCoreApplication::processEvents();
    EXPECT_EQ(form().richCode().caretLine(), 4);
    EXPECT_TRUE(form().richCode().grab().toImage() == before);
}

// Esc with a menu open closes the menu, as it always does; the load goes on.
TEST_F(BackgroundLoadTest, EscClosingAMenuLeavesTheLoadGoing) {
    const std::string big = bigProgram();
    started();
    bool menuShown = false;
    bool menuClosed = false;
    duringPasses([&] {
        auto* file = form().findChild<QMenu*>("mnuFile");
        file->popup(form().mapToGlobal(QPoint(0, 0)));
        menuShown = QApplication::activePopupWidget() == file;
        QTest::keyClick(file, Qt::Key_Escape);
        menuClosed = !file->isVisible();
    });
    drop(big);
    EXPECT_TRUE(menuShown);
    EXPECT_TRUE(menuClosed);
    EXPECT_EQ(form().documentPath(), big);
    EXPECT_EQ(form().richCode().lines(), 400001);
}

// Keys in the editor, and the focus coming back to it from a menu, leave the
// load's text in the status bar: the caret's line is shown once it ends.
TEST_F(BackgroundLoadTest, TheEditorLeavesTheLoadsStatusText) {
    const std::string big = bigProgram();
    started();
    form().show();
    form().richCode().setFocus();
    std::string status;
    duringPasses([&] {
        QTest::keyClick(&form().richCode(), Qt::Key_Down);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(&form().richCode(), &focusIn);
        status = form().statusText();
    });
    drop(big);
    EXPECT_EQ(status, "読み込み中... " + big);
    EXPECT_EQ(form().statusText(), " 1行");
}

// Commands given while the load works wait for it: the status bar says so,
// nothing of the document changes meanwhile, and they run on the loaded
// program afterwards, in order; a second load never overlaps the first.
TEST_F(BackgroundLoadTest, CommandsWaitForTheLoad) {
    const std::string big = bigProgram();
    const std::string first = startPanned();
    const std::string other = writeFile("other.nc", "G90\nG01 X3. Y4.\n");
    duringPasses([&] {
        form().mnuNameSave_Click();
        form().mnuViewReDsp_Click();
        drop(other);
        EXPECT_EQ(form().statusText(), "読み込み中です");
        EXPECT_EQ(editorText(), kFirstText);
        EXPECT_EQ(form().documentPath(), first);
        EXPECT_TRUE(dialogs_.fileRequests().empty()) << "no save-as dialog yet";
    });
    drop(big);
    EXPECT_EQ(form().documentPath(), big);
    EXPECT_TRUE(dialogs_.fileRequests().empty()) << "the waiting commands run after the load's own events";

    dialogs_.answer(std::optional<std::string>());  // save as: cancelled
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs_.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs_.fileRequests()[0].fileName, big) << "offered for the loaded program";
    EXPECT_EQ(form().documentPath(), other) << "the dropped file loaded after the first load";
    EXPECT_EQ(editorText(), "G90\r\nG01 X3. Y4.\r\n");
    EXPECT_TRUE(dialogs_.allAnswered());
}

}  // namespace
}  // namespace orca::test
