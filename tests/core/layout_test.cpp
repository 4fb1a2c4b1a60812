#include "app/layout.h"

#include <gtest/gtest.h>

namespace orca {
namespace {

LayoutInput sampleWindow() {
    LayoutInput in;
    in.clientHeight = 7290;
    in.outerWidth = 10395;
    in.toolbarTop = 0;
    in.toolbarHeight = 810;
    in.statusTop = 7290 - 330;
    in.statusHeight = 330;
    in.splitLeft = 2640;
    return in;
}

TEST(LayoutSub, PlacesEditorSplitterFrameAndRingAsTheSummaryFormulasSay) {
    const LayoutInput in = sampleWindow();
    const MainLayout l = Layout_Sub(in);
    const int s = in.splitLeft, th = in.toolbarHeight, sh = in.statusHeight, ch = in.clientHeight;

    EXPECT_EQ(l.editor, (TwipRect{0, th, s, ch - th - sh}));
    EXPECT_EQ(l.splitter, (TwipRect{s, th, 95, ch - th - sh}));
    EXPECT_EQ(l.left.left, s + 95);
    EXPECT_EQ(l.left.right(), s + 350);
    EXPECT_EQ(l.frame, (TwipRect{s + 350, th + 255, in.outerWidth - 355 - (s + 350), ch - th - sh - 510}));
    EXPECT_EQ(l.frame.right(), in.outerWidth - 355);
    EXPECT_EQ(l.right, (TwipRect{in.outerWidth - 355, th + 255, 255, l.frame.height}));
    EXPECT_EQ(l.surface, (TwipRect{0, 0, l.frame.width, l.frame.height}));
}

TEST(LayoutSub, RingOfPanButtonsClosesAroundTheFrame) {
    const MainLayout l = Layout_Sub(sampleWindow());
    EXPECT_EQ(l.up, (TwipRect{l.frame.left, l.editor.top, l.frame.width, 255}));
    EXPECT_EQ(l.down, (TwipRect{l.frame.left, l.frame.bottom(), l.frame.width, 255}));
    EXPECT_EQ(l.leftUp, (TwipRect{l.left.left, l.up.top, 255, 255}));
    EXPECT_EQ(l.leftDown, (TwipRect{l.left.left, l.left.bottom(), 255, 255}));
    EXPECT_EQ(l.rightUp, (TwipRect{l.right.left, l.up.top, 255, 255}));
    EXPECT_EQ(l.rightDown, (TwipRect{l.right.left, l.right.bottom(), 255, 255}));
    // The ring ends where the editor ends: the bottom buttons sit on the status bar.
    EXPECT_EQ(l.down.bottom(), l.editor.bottom());
}

TEST(LayoutSub, ProgressBarCoversTheStatusBarUnderTheDrawingArea) {
    const LayoutInput in = sampleWindow();
    const MainLayout l = Layout_Sub(in);
    EXPECT_EQ(l.progress, (TwipRect{l.frame.left, in.statusTop, l.frame.width, in.statusHeight}));
}

TEST(LayoutSub, TinyWindowGivesZeroSizesNotNegativeOnes) {
    LayoutInput in = sampleWindow();
    in.clientHeight = 900;
    in.outerWidth = 1000;
    const MainLayout l = Layout_Sub(in);
    EXPECT_EQ(l.editor.height, 0);
    EXPECT_EQ(l.frame.height, 0);
    EXPECT_EQ(l.frame.width, 0);
    EXPECT_EQ(l.left.height, 0);
    EXPECT_GE(l.down.top, l.frame.top);
}

TEST(SplitterDrag, MovesWithThePointerBelowHalfTheClientWidth) {
    EXPECT_EQ(SplitterDragLeft(2640, 300, 10000), 2940);
    EXPECT_EQ(SplitterDragLeft(2640, -640, 10000), 2000);
    EXPECT_EQ(SplitterDragLeft(2640, 2359, 10000), 4999);
}

// However fast the drag, the splitter ends at the limit a slow one reaches.
TEST(SplitterDrag, HalfTheClientWidthOrBeyondStopsShortOfHalf) {
    EXPECT_EQ(SplitterDragLeft(2640, 2360, 10000), 4999);
    EXPECT_EQ(SplitterDragLeft(2640, 9000, 10000), 4999);
    // An odd width: half of 10001 is 5000.5, so 5000 is still allowed.
    EXPECT_EQ(SplitterDragLeft(2640, 2360, 10001), 5000);
    EXPECT_EQ(SplitterDragLeft(2640, 9000, 10001), 5000);
    EXPECT_EQ(SplitterDragLeft(0, 50, 0), 0) << "no room at all";
}

TEST(SplitterDrag, NeverGoesLeftOfTheWindow) {
    EXPECT_EQ(SplitterDragLeft(2640, -5000, 10000), 0);
    EXPECT_EQ(SplitterDragLeft(0, -1, 10000), 0);
}

TEST(WindowStateOf, UnknownStatesOpenNormal) {
    EXPECT_EQ(WindowStateOf(0), WindowState::Normal);
    EXPECT_EQ(WindowStateOf(1), WindowState::Minimized);
    EXPECT_EQ(WindowStateOf(2), WindowState::Maximized);
    EXPECT_EQ(WindowStateOf(3), WindowState::Normal);
    EXPECT_EQ(WindowStateOf(7), WindowState::Normal);
    EXPECT_EQ(WindowStateOf(-1), WindowState::Normal);
}

}  // namespace
}  // namespace orca
