#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/qt/form_commands.h"
#include "app/qt/init_dsp_dialog.h"
#include "app/ui/surface_view.h"
#include "app/ui/tool_marker_view.h"
#include "document/qt/find_dialog.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

constexpr int kTraceButton = 7;

std::string Moves(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "G01 X" + std::to_string(i % 50) + ". Y" + std::to_string(i % 7) + ".\r\n";
    return text;
}

class Form1CommandsTest : public Form1Test {
protected:
    Form1& withProgram(const std::string& text) {
        Form1& f = started();
        f.richCode().setProgramText(text);
        return f;
    }

    // A trace pausing 0.1 s after each line, so that events surely run while
    // it draws.
    Form1& tracing(const std::string& text) {
        Form1& f = withProgram(text);
        f.engine().settings.TraceSpeed = 4;
        return f;
    }

    QAction* traceButton() { return form().toolbarButton(kTraceButton); }
    const ScaleWindow& window() { return form().picBox1().surface().window(); }
    RouteDriver& driver() { return form().commands().driver; }

    // Runs `step` whenever the running command lets events in, until it
    // returns true.
    void whileRunning(std::function<bool()> step) {
        auto* timer = new QTimer(&form());
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, step] {
            if (step()) timer->deleteLater();
        });
        timer->start();
    }
};

TEST_F(Form1CommandsTest, RedrawDrawsTheEditorsProgramAndEndsIdle) {
    Form1& f = withProgram("G90\r\nG00 X10. Y10.\r\nG01 X20.");
    action("mnuViewReDsp")->trigger();
    EXPECT_EQ(f.engine().displayList.LineCount(), 2u);
    EXPECT_EQ(f.statusText(), " 1行");
    EXPECT_EQ(traceButton()->text(), "トレース");
    EXPECT_EQ(f.buttonPicture(kTraceButton), 6);
    EXPECT_EQ(driver().DrawBusy(), 0);
    EXPECT_FALSE(f.progressBar1().visible());
}

TEST_F(Form1CommandsTest, TraceButtonTwiceStopsTheTraceAndHidesTheMarker) {
    Form1& f = tracing(Moves(100));
    QString captionDuring;
    int pictureDuring = 0;
    bool markerDuring = false;
    std::size_t drawnAtStop = 0;
    whileRunning([&] {
        if (f.engine().displayList.LineCount() < 2) return false;
        captionDuring = traceButton()->text();
        pictureDuring = f.buttonPicture(kTraceButton);
        markerDuring = f.imgRoute().isVisible();
        drawnAtStop = f.engine().displayList.LineCount();
        traceButton()->trigger();
        return true;
    });
    traceButton()->trigger();

    EXPECT_EQ(captionDuring, "中断");
    EXPECT_EQ(pictureDuring, 7);
    EXPECT_TRUE(markerDuring);
    EXPECT_LE(f.engine().displayList.LineCount(), drawnAtStop + 1);
    EXPECT_EQ(traceButton()->text(), "トレース");
    EXPECT_EQ(f.buttonPicture(kTraceButton), 6);
    EXPECT_FALSE(f.imgRoute().isVisible());
    EXPECT_EQ(driver().DrawBusy(), 0);
    // The caret followed the trace and stays on the line it was drawing.
    EXPECT_GT(f.richCode().caretLine(), 0);
    EXPECT_EQ(f.statusText(), CaretLineStatusText(f.richCode().caretLine()));
}

TEST_F(Form1CommandsTest, TraceShowsTheLineAndRunsWithoutTheMarkerFromTheMenu) {
    Form1& f = tracing(Moves(100));
    std::string status;
    bool markerSeen = false;
    whileRunning([&] {
        markerSeen = markerSeen || f.imgRoute().isVisible();
        if (f.engine().displayList.LineCount() < 2) return false;
        status = f.statusText();
        action("mnuViewTrace")->trigger();
        return true;
    });
    action("mnuViewTrace")->trigger();
    EXPECT_EQ(status, "描画中... 【2行】:G01 X2. Y2.");
    EXPECT_FALSE(markerSeen);
    EXPECT_EQ(f.engine().displayList.LineCount(), 2u);
    EXPECT_EQ(driver().DrawBusy(), 0);
}

TEST_F(Form1CommandsTest, ZoomAndPanBeforeAnythingIsDrawnDoNothing) {
    Form1& f = started();
    const ScaleWindow before = window();
    action("mnuViewScaleUp")->trigger();
    action("mnuViewScaleDown")->trigger();
    f.panButton(PanDirection::Down)->click();
    EXPECT_EQ(window().ScaleLeft, before.ScaleLeft);
    EXPECT_EQ(window().ScaleTop, before.ScaleTop);
    EXPECT_EQ(window().ScaleWidth, before.ScaleWidth);
    EXPECT_EQ(window().ScaleHeight, before.ScaleHeight);
}

TEST_F(Form1CommandsTest, ZoomShowsTheHourglassAndPanDisablesOnlyItsButton) {
    Form1& f = withProgram("G01 X100. Y50.");
    action("mnuViewReDsp")->trigger();
    const ScaleWindow fitted = window();

    bool hourglass = false;
    whileRunning([&] {
        hourglass =
            QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        return true;
    });
    action("mnuViewScaleUp")->trigger();
    EXPECT_TRUE(hourglass);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FLOAT_EQ(window().ScaleWidth, static_cast<float>(fitted.ScaleWidth / 1.4));

    bool ownEnabled = true, otherEnabled = false;
    whileRunning([&] {
        ownEnabled = f.panButton(PanDirection::Down)->isEnabled();
        otherEnabled = f.panButton(PanDirection::Up)->isEnabled();
        return true;
    });
    const float top = window().ScaleTop;
    f.panButton(PanDirection::Down)->click();
    EXPECT_FALSE(ownEnabled);
    EXPECT_TRUE(otherEnabled);
    EXPECT_TRUE(f.panButton(PanDirection::Down)->isEnabled());
    EXPECT_FLOAT_EQ(window().ScaleTop, top + window().ScaleHeight / 5);
}

TEST_F(Form1CommandsTest, OpeningDuringATraceStopsItThenLoads) {
    const std::string path = writeFile("other.nc", "G90\nG00 X10. Y10.\nG01 X20.\n");
    Form1& f = tracing(Moves(100));
    whileRunning([&] {
        if (f.engine().displayList.LineCount() < 2) return false;
        dialogs_.answer(std::vector<std::string>{path});
        f.mnuOpen_Click();
        return true;
    });
    action("mnuViewTrace")->trigger();
    EXPECT_EQ(editorText(), "G90\r\nG00 X10. Y10.\r\nG01 X20.\r\n");
    EXPECT_EQ(f.engine().displayList.LineCount(), 2u);
    EXPECT_EQ(driver().DrawBusy(), 0);
    EXPECT_EQ(traceButton()->text(), "トレース");
}

TEST_F(Form1CommandsTest, ClosingTheWindowDuringATraceEndsIt) {
    Form1& f = tracing(Moves(100));
    f.show();
    whileRunning([&] {
        if (f.engine().displayList.LineCount() < 2) return false;
        f.close();
        return true;
    });
    action("mnuViewTrace")->trigger();
    EXPECT_LT(f.engine().displayList.LineCount(), 10u);
    EXPECT_EQ(driver().DrawBusy(), 0);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(Form1CommandsTest, FindNextOpensTheDialogUntilThereIsASearchText) {
    Form1& f = withProgram("G01 X1.\r\nG02 X2.");
    dialogs_.answer(ScriptedDialogs::ModalScript([](QDialog& dialog) {
        auto& d = static_cast<FindDialog&>(dialog);
        d.optDirection(1)->setChecked(true);
        d.txtFind()->setText("G0");
        d.cmdFind()->click();
        d.cmdcancel()->click();
        return dialog.result();
    }));
    action("mnuSearchFindNext")->trigger();
    EXPECT_EQ(f.richCode().selectionStart(), 0);
    action("mnuSearchFindNext")->trigger();
    EXPECT_EQ(f.richCode().selectionStart(), 9);
    action("mnuSearchFindNext")->trigger();
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, "文字列 \"G0\" が見つかりません。");
    EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(dialogs_.messages()[0].title, kAppTitle);
}

TEST_F(Form1CommandsTest, DrawingSettingsFromTheToolbarStoreAndSaveTheGrid) {
    Form1& f = started();
    dialogs_.answer(ScriptedDialogs::ModalScript([](QDialog& dialog) {
        auto& d = static_cast<InitDspDialog&>(dialog);
        d.txtHouganWidth()->setText("1.5");
        d.sldSpeed()->setValue(3);
        d.cmdOk()->click();
        return dialog.result();
    }));
    f.toolbarButton(9)->trigger();
    EXPECT_EQ(f.engine().settings.HouganWidth, 2);
    EXPECT_EQ(f.engine().settings.TraceSpeed, 3);
    EXPECT_NE(settingsText().find("WIDTH=2"), std::string::npos);
}

}  // namespace
}  // namespace orca::test
