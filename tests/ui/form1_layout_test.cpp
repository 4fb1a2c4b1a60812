#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app/ui/splitter_bar.h"
#include "app/ui/surface_view.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

class LayoutTest : public Form1Test {
protected:
    Form1& normalWindow() {
        writeSettings("[WINDOW]\nSTATE=0\n");
        Form1& f = started();
        f.resize(800, 600);
        return f;
    }
    int px(int twips) { return static_cast<int>(std::lround(twips / form().twipsPerPixel())); }
    int clientTop() { return form().menuBar()->geometry().bottom() + 1; }
    QRect expected(const TwipRect& r) {
        return QRect(px(r.left), clientTop() + px(r.top), px(r.width), px(r.height));
    }
    SplitterBar& splitter() { return *form().findChild<SplitterBar*>("picSplit"); }

    void mouse(QEvent::Type type, int x) {
        QMouseEvent e(type, QPointF(x, 5), splitter().mapToGlobal(QPointF(x, 5)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&splitter(), &e);
    }
};

TEST_F(LayoutTest, ControlsStandWhereTheLayoutPutsThem) {
    Form1& f = normalWindow();
    const MainLayout& l = f.currentLayout();
    EXPECT_EQ(f.richCode().geometry(), expected(l.editor));
    EXPECT_EQ(splitter().geometry(), expected(l.splitter));
    EXPECT_EQ(f.findChild<QWidget*>("picMain")->geometry(), expected(l.frame));
    EXPECT_EQ(f.picBox1().geometry(), QRect(0, 0, px(l.frame.width), px(l.frame.height)));
    EXPECT_EQ(f.panButton(PanDirection::Up)->geometry(), expected(l.up));
    EXPECT_EQ(f.panButton(PanDirection::RightDown)->geometry(), expected(l.rightDown));
    EXPECT_EQ(f.progressBarWidget().geometry(), expected(l.progress));

    // The measured bars feed the formulas: the editor ends on the status bar.
    EXPECT_EQ(f.richCode().geometry().top(), f.findChild<QToolBar*>("Toolbar1")->geometry().bottom() + 1);
    EXPECT_EQ(f.richCode().geometry().bottom() + 1, f.statusBar()->geometry().top());
    EXPECT_EQ(f.richCode().width(), px(2640));
}

TEST_F(LayoutTest, ResizeSetsTheWindowSizeAndKeepsItsCorner) {
    Form1& f = normalWindow();
    ScaleWindow w = f.engine().surface.window();
    w.ScaleLeft = 123;
    w.ScaleTop = -45;
    w.ScaleWidth = 99;
    f.engine().surface.setWindow(w);
    f.resize(900, 650);
    const ScaleWindow& after = f.engine().surface.window();
    EXPECT_EQ(after.ScaleLeft, 123);
    EXPECT_EQ(after.ScaleTop, -45);
    EXPECT_EQ(after.ScaleWidth, f.picMainWidth());
    EXPECT_EQ(after.ScaleHeight, f.picMainHeight());
    EXPECT_EQ(f.picBox1().raster().widthPx(), f.picBox1().width());
}

int litPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) != 0;
    return n;
}

// Shrunk and grown again, the surface shows the whole picture once more, in
// the same place: replayed, not refitted.
TEST_F(LayoutTest, ResizedSurfaceShowsThePictureAgain) {
    writeSettings("[WINDOW]\nSTATE=0\n[HOUGAN]\nFLAG=True\nWIDTH=10\n");
    Form1& f = started();
    f.resize(800, 600);
    f.richCode_OLEDragDrop(
        {QString::fromStdString(writeFile("p.nc", "G90\nG01 X100. Y80.\nG02 X0 Y0 R70.\n"))});
    QCoreApplication::processEvents();
    const QImage drawn = f.picBox1().raster().image();
    const ScaleWindow window = f.engine().surface.window();
    ASSERT_GT(litPixels(drawn), 500);

    f.resize(300, 250);
    QCoreApplication::processEvents();
    f.resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.picBox1().raster().image(), drawn);
    EXPECT_EQ(f.engine().surface.window().ScaleLeft, window.ScaleLeft);
    EXPECT_EQ(f.engine().surface.window().ScaleWidth, window.ScaleWidth);
}

TEST_F(LayoutTest, ResizeKeepsThePictureUntilTheNextDraw) {
    Form1& f = normalWindow();
    f.engine().surface.setWindow(
        {0, 0, static_cast<float>(f.picBox1().width()), static_cast<float>(f.picBox1().height())});
    f.engine().surface.Line(0, 10, 50, 10, 15);
    ASSERT_EQ(f.picBox1().raster().image().pixel(20, 10), 0xFFFFFFFFu);
    f.resize(1000, 700);
    EXPECT_EQ(f.picBox1().raster().image().pixel(20, 10), 0xFFFFFFFFu);
    EXPECT_EQ(f.picBox1().raster().image().pixel(f.picBox1().width() - 1, 10), 0xFF000000u);
}

TEST_F(LayoutTest, MinimisingWritesNothingRestoringWritesTheState) {
    Form1& f = normalWindow();
    QFile::remove(QString::fromStdString(settingsPath()));
    f.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(settingsPath())));
    f.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(settingsText(), "[WINDOW]\nSTATE=0\n");
    f.setWindowState(Qt::WindowMaximized);
    EXPECT_EQ(settingsText(), "[WINDOW]\nSTATE=2\n");
}

TEST_F(LayoutTest, SplitterDragMovesOnlyTheBarUntilRelease) {
    Form1& f = normalWindow();
    activate();
    const int editorWidth = f.richCode().width();
    mouse(QEvent::MouseButtonPress, 2);
    mouse(QEvent::MouseMove, 60);
    EXPECT_EQ(splitter().x(), px(f.splitLeft()));
    EXPECT_NEAR(f.splitLeft(), 2640 + 60 * 15, 15);
    EXPECT_EQ(f.richCode().width(), editorWidth);
    mouse(QEvent::MouseButtonRelease, 60);
    EXPECT_EQ(f.richCode().width(), px(f.splitLeft()));
    EXPECT_TRUE(f.richCode().hasFocus());
}

TEST_F(LayoutTest, SplitterStopsShortOfHalfTheWidthAndAtTheLeftEdge) {
    Form1& f = normalWindow();
    mouse(QEvent::MouseButtonPress, 0);
    mouse(QEvent::MouseMove, 400 - px(2640));  // exactly half of 800 px
    EXPECT_EQ(f.splitLeft(), 400 * 15 - 1);
    mouse(QEvent::MouseMove, 399 - splitter().x());
    EXPECT_EQ(f.splitLeft(), 400 * 15 - 1 - 15);
    mouse(QEvent::MouseMove, -2000);
    EXPECT_EQ(f.splitLeft(), 0);
    mouse(QEvent::MouseButtonRelease, 0);
    EXPECT_EQ(f.richCode().width(), 0);
}

// A quick drag: the press, one move far to the right, the release there.
TEST_F(LayoutTest, FastDragEndsWhereTheButtonIsReleased) {
    Form1& f = normalWindow();
    mouse(QEvent::MouseButtonPress, 2);
    mouse(QEvent::MouseButtonRelease, 300 - px(2640));
    EXPECT_EQ(f.splitLeft(), 300 * 15);
    EXPECT_EQ(f.richCode().width(), 300);

    mouse(QEvent::MouseButtonPress, 2);
    mouse(QEvent::MouseMove, 850 - 300);
    mouse(QEvent::MouseButtonRelease, 850 - 300);
    EXPECT_EQ(f.splitLeft(), 400 * 15 - 1) << "short of half the width";
    EXPECT_EQ(f.richCode().width(), px(400 * 15 - 1));
}

TEST_F(LayoutTest, MovingOverTheSplitterWithoutPressDoesNotMoveIt) {
    Form1& f = normalWindow();
    mouse(QEvent::MouseMove, 40);
    EXPECT_EQ(f.splitLeft(), 2640);
    mouse(QEvent::MouseButtonPress, 3);
    mouse(QEvent::MouseButtonRelease, 3);
    EXPECT_EQ(f.splitLeft(), 2640);
    EXPECT_EQ(splitter().x(), px(2640));
}

TEST_F(LayoutTest, VerySmallWindowGivesNoNegativeSizes) {
    Form1& f = normalWindow();
    f.resize(120, 90);
    EXPECT_GE(f.currentLayout().frame.width, 0);
    EXPECT_GE(f.currentLayout().frame.height, 0);
    EXPECT_GE(f.picBox1().raster().widthPx(), 1);
}

}  // namespace
}  // namespace orca::test
