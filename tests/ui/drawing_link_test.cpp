// Text and drawing as one: the caret's line is highlighted over the picture,
// a click on the picture selects the line that drew there, the wheel, a drag
// and a double click move the view, the status bar reads the program point,
// and the usual keys reach their commands.

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>

#include "app/qt/form_commands.h"
#include "app/ui/surface_view.h"
#include "form1_fixture.h"
#include "view/window_pixels.h"

namespace orca::test {
namespace {

constexpr const char* kProgram =
    "(PART)\r\n"
    "G00 X10. Y10.\r\n"
    "G01 X90. Y10.\r\n"
    "G03 X90. Y50. R20.\r\n"
    "G01 X10. Y50.\r\n"
    "G81 X50. Y30.\r\n"
    "G80\r\n";

class DrawingLinkTest : public Form1Test {
protected:
    Form1& drawn() {
        Form1& f = started();
        f.richCode().setProgramText(kProgram);
        f.mnuViewReDsp_Click();
        return f;
    }
    SurfaceView& pic() { return form().picBox1(); }
    WindowPixels pixels() {
        const RasterSurface& r = pic().raster();
        return WindowPixels::Of(r.window(), r.widthPx(), r.heightPx());
    }
    QPoint pixelOf(double u, double v) {
        const WindowPixels m = pixels();
        return {static_cast<int>(std::floor(m.u(u))), static_cast<int>(std::floor(m.v(v)))};
    }
    // The pixel showing the middle of a line the program drew.
    QPoint middleOf(const LineItem& l) { return pixelOf((l.X1 + l.X2) / 2, (l.Y1 + l.Y2) / 2); }
    static int yellowPixels(const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                n += qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80;
            }
        return n;
    }
    void sendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(at), pic().mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&pic(), &e);
    }
    void wheel(QPoint at, int delta) {
        QWheelEvent e(QPointF(at), pic().mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&pic(), &e);
    }
    const DisplayList& list() { return form().engine().displayList; }
    std::string coords() { return form().findChild<QLabel*>("stsCoords")->text().toStdString(); }
};

TEST_F(DrawingLinkTest, TheEditorNumbersItsLinesInAMarginThatGrowsWithThem) {
    Form1& f = started();
    f.richCode().setProgramText("G00 X1\r\n");
    const int narrow = f.richCode().marginWidth(0);
    EXPECT_GT(narrow, 0);
    EXPECT_TRUE(f.richCode().marginLineNumbers(0));
    std::string many;
    for (int i = 0; i < 12000; ++i) many += "G01 X1\r\n";
    f.richCode().setProgramText(many);
    EXPECT_GT(f.richCode().marginWidth(0), narrow);
}

TEST_F(DrawingLinkTest, TheCaretLineIsHighlightedOverThePictureOnly) {
    Form1& f = drawn();
    ASSERT_EQ(list().lines.size(), 4u);
    const std::vector<LineItem> linesBefore = list().lines;
    const QImage picture = pic().raster().image().copy();

    // The pane tells of a moved caret when it next updates its view.
    const auto highlights = [this](std::int32_t line) {
        return QTest::qWaitFor([&] { return pic().highlightedLine() == line; }, 2000);
    };
    f.richCode().showLine(2);  // G01 X90. Y10.
    ASSERT_TRUE(highlights(3));
    const QImage lit = pic().grab().toImage();
    EXPECT_GT(yellowPixels(lit), 100);
    const QPoint mid = middleOf(list().lines[1]);
    EXPECT_EQ(QColor(lit.pixel(mid)).name(), "#ffff00");

    f.richCode().showLine(0);  // a comment draws nothing
    ASSERT_TRUE(highlights(1));
    EXPECT_EQ(yellowPixels(pic().grab().toImage()), 0);
    f.richCode().showLine(3);  // the arc
    ASSERT_TRUE(highlights(4));
    EXPECT_GT(yellowPixels(pic().grab().toImage()), 50);

    EXPECT_EQ(pic().raster().image(), picture);
    ASSERT_EQ(list().lines.size(), linesBefore.size());
    for (std::size_t i = 0; i < linesBefore.size(); ++i) {
        EXPECT_EQ(list().lines[i].X1, linesBefore[i].X1);
        EXPECT_EQ(list().lines[i].ColorIndex, linesBefore[i].ColorIndex);
    }
}

TEST_F(DrawingLinkTest, AClickSelectsTheLineOfTheNearestItemWithinFivePixels) {
    Form1& f = drawn();
    const QPoint onFeed = middleOf(list().lines[1]);
    QTest::mouseClick(&pic(), Qt::LeftButton, {}, onFeed + QPoint(0, 3));
    EXPECT_EQ(f.richCode().caretLine(), 2);
    EXPECT_EQ(f.statusText(), " 3行");

    // The arc's outermost point, at X 110 Y 30.
    const CircleItem& arc = list().circles.at(0);
    QTest::mouseClick(&pic(), Qt::LeftButton, {}, pixelOf(arc.X + arc.Radius, arc.Y) + QPoint(2, 0));
    EXPECT_EQ(f.richCode().caretLine(), 3);

    // The drill hole in the middle: nothing else is near.
    const CircleItem& hole = list().circles.at(1);
    QTest::mouseClick(&pic(), Qt::LeftButton, {}, pixelOf(hole.X, hole.Y));
    EXPECT_EQ(f.richCode().caretLine(), 5);

    // Farther than five pixels from everything: the caret stays.
    QTest::mouseClick(&pic(), Qt::LeftButton, {}, onFeed + QPoint(0, -20));
    EXPECT_EQ(f.richCode().caretLine(), 5);
}

TEST_F(DrawingLinkTest, TheWheelZoomsAboutTheMouse) {
    drawn();
    const QPoint at = middleOf(list().lines[1]) + QPoint(7, -11);
    const WindowPixels before = pixels();
    const double u = before.x(at.x() + 0.5), v = before.y(at.y() + 0.5);
    const float width = pic().surface().window().ScaleWidth;
    wheel(at, 120);
    EXPECT_NEAR(pic().surface().window().ScaleWidth, width / 1.4, 0.01);
    EXPECT_NEAR(pixels().u(u), at.x() + 0.5, 1.0);
    EXPECT_NEAR(pixels().v(v), at.y() + 0.5, 1.0);
    wheel(at, -240);
    EXPECT_NEAR(pic().surface().window().ScaleWidth, width * 1.4, 0.05);
    EXPECT_NEAR(pixels().u(u), at.x() + 0.5, 1.0);
    EXPECT_NEAR(pixels().v(v), at.y() + 0.5, 1.0);
}

TEST_F(DrawingLinkTest, ADragPansByTheMouseDistanceAndAClickIsNoDrag) {
    Form1& f = drawn();
    const LineItem feed = list().lines[1];
    const QPoint start = middleOf(feed) + QPoint(0, -30);
    const double x0 = pixels().u(feed.X1);
    const double y0 = pixels().v(feed.Y1);
    // Three pixels is still a click (here on nothing).
    sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, start + QPoint(3, 3), Qt::NoButton, Qt::LeftButton);
    EXPECT_NEAR(pixels().u(feed.X1), x0, 1e-6);
    sendMouse(QEvent::MouseMove, start + QPoint(40, 25), Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, start + QPoint(40, 25), Qt::LeftButton, Qt::NoButton);
    EXPECT_NEAR(pixels().u(feed.X1) - x0, 40, 0.05);
    EXPECT_NEAR(pixels().v(feed.Y1) - y0, 25, 0.05);
    EXPECT_EQ(f.richCode().caretLine(), 0);  // the drag selected nothing

    // The middle button drags at once.
    sendMouse(QEvent::MouseButtonPress, start, Qt::MiddleButton, Qt::MiddleButton);
    sendMouse(QEvent::MouseMove, start + QPoint(-2, 0), Qt::NoButton, Qt::MiddleButton);
    sendMouse(QEvent::MouseButtonRelease, start + QPoint(-2, 0), Qt::MiddleButton, Qt::NoButton);
    EXPECT_NEAR(pixels().u(feed.X1) - x0, 38, 0.05);
}

TEST_F(DrawingLinkTest, ADoubleClickFitsAgain) {
    drawn();
    const ScaleWindow fitted = pic().surface().window();
    wheel(QPoint(40, 40), 360);
    ASSERT_NE(pic().surface().window().ScaleWidth, fitted.ScaleWidth);
    QTest::mouseDClick(&pic(), Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(pic().surface().window().ScaleWidth, fitted.ScaleWidth);
    EXPECT_EQ(pic().surface().window().ScaleLeft, fitted.ScaleLeft);
    EXPECT_EQ(form().commands().driver.DrawBusy(), 0);
}

TEST_F(DrawingLinkTest, TheStatusBarReadsTheProgramPointUnderTheMouse) {
    drawn();
    const LineItem feed = list().lines[1];  // ends at X 90 Y 10
    sendMouse(QEvent::MouseMove, pixelOf(feed.X2, feed.Y2), Qt::NoButton, Qt::NoButton);
    const std::string text = coords();
    double x = 0, y = 0;
    ASSERT_EQ(std::sscanf(text.c_str(), "X %lf  Y %lf", &x, &y), 2) << text;
    const double pixelInUnits = 1 / (form().engine().view.PlotScale * pixels().sx);
    EXPECT_NEAR(x, 90, pixelInUnits);
    EXPECT_NEAR(y, 10, pixelInUnits);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&pic(), &leave);
    EXPECT_EQ(coords(), "");
    // The simple text is a field of its own.
    EXPECT_NE(form().findChild<QLabel*>("stsBar1Text"), form().findChild<QLabel*>("stsCoords"));
}

TEST_F(DrawingLinkTest, KeysReachTheMenuCommandsWhoseCaptionsStay) {
    Form1& f = drawn();
    activate();
    f.richCode().setFocus();
    struct Key {
        const char* action;
        QKeyCombination key;
        const char* caption;
    };
    const Key keys[] = {{"mnuOpen", Qt::CTRL | Qt::Key_O, "開く(&O)..."},
                        {"mnuSearchFind", Qt::CTRL | Qt::Key_F, "検索(&F)"},
                        {"mnuSearchFindNext", QKeyCombination(Qt::Key_F3), "次を検索(&N)"},
                        {"mnuViewReDsp", QKeyCombination(Qt::Key_F5), "再描画(&R)"}};
    dialogs_.answer(std::vector<std::string>{});                                // Open: cancelled
    dialogs_.answer(ScriptedDialogs::ModalScript([](QDialog&) { return 0; }));  // Find
    dialogs_.answer(ScriptedDialogs::ModalScript([](QDialog&) { return 0; }));  // Find next, no text yet
    for (const Key& k : keys) {
        QSignalSpy spy(action(k.action), &QAction::triggered);
        QTest::keyClick(&f.richCode(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_EQ(spy.count(), 1) << k.action;
        EXPECT_EQ(action(k.action)->text().toStdString(), k.caption);
    }
    EXPECT_TRUE(dialogs_.allAnswered());
    EXPECT_EQ(dialogs_.fileRequests().size(), 1u);
    EXPECT_EQ(action("mnuUpdSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(f.richCode().programText(), kProgram);  // no key typed into the text
}

// The caret follows a fast trace when the window's events run, and ends on
// the last line drawn even when no events ran after it.
TEST_F(DrawingLinkTest, ACompletedTraceLeavesTheCaretOnItsLastLine) {
    Form1& f = started();
    std::string text;
    for (int i = 1; i <= 200; ++i) text += "G01 X" + std::to_string(i) + ". Y1.\r\n";
    f.richCode().setProgramText(text);
    f.engine().settings.TraceSpeed = f.engine().settings.TraceSpeedMax;
    f.mnuViewTrace_Click();
    ASSERT_EQ(list().lines.size(), 200u);
    EXPECT_GE(f.richCode().caretLine(), list().lines.back().LineNumber - 1);
}

TEST_F(DrawingLinkTest, EscStopsATraceThatLeavesTheCaretOnItsLine) {
    Form1& f = started();
    std::string text;
    for (int i = 1; i <= 200; ++i)
        text += "G01 X" + std::to_string(i) + ". Y" + std::to_string(i % 9) + ".\r\n";
    f.richCode().setProgramText(text);
    f.engine().settings.TraceSpeed = 4;
    activate();
    f.richCode().setFocus();
    std::int64_t caretWhenStopped = -1;
    QTimer::singleShot(350, &f, [&] {
        caretWhenStopped = f.richCode().caretLine();
        QTest::keyClick(&f.richCode(), Qt::Key_Escape);
    });
    f.mnuViewTrace_Click();
    EXPECT_EQ(f.commands().driver.DrawBusy(), 0);
    EXPECT_GT(caretWhenStopped, 0);
    EXPECT_LT(list().lines.size(), 200u);
    EXPECT_EQ(f.richCode().caretLine(), caretWhenStopped);
    // Stopped before or after drawing the marked line.
    const std::int64_t last = list().lines.back().LineNumber;
    EXPECT_TRUE(last == caretWhenStopped || last == caretWhenStopped + 1) << last;
}

}  // namespace
}  // namespace orca::test
