#pragma once

namespace orca {

// Design sizes of the main window, in twips.
inline constexpr int kSplitterWidth = 95;
inline constexpr int kPanButtonSize = 255;
inline constexpr int kBorderAllowance = 100;
inline constexpr int kInitialSplitLeft = 2640;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

// What the layout reads: the client height CH, the window's outer width (its
// border included), the docked bars and the splitter's left position.
struct LayoutInput {
    int clientHeight = 0;
    int outerWidth = 0;
    int toolbarTop = 0;
    int toolbarHeight = 0;
    int statusTop = 0;
    int statusHeight = 0;
    int splitLeft = kInitialSplitLeft;
};

struct MainLayout {
    TwipRect splitter, editor, frame, surface;
    TwipRect up, down, left, right, leftUp, leftDown, rightUp, rightDown;
    TwipRect progress;
};

// Places every control from the window size and the splitter position. A size
// that would come out negative in a very small window is taken as 0.
MainLayout Layout_Sub(const LayoutInput& in);

// The splitter's left position after a drag move to pointerX (twips from the
// splitter's left edge): never below 0, and short of half the client width
// (a move to half or beyond stops at the limit).
int SplitterDragLeft(int currentLeft, int pointerX, int clientWidth);

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// The stored "STATE" as the window takes it; any other value opens it normal.
WindowState WindowStateOf(int stored);

}  // namespace orca
