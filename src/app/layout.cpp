#include "app/layout.h"

#include <algorithm>
#include <cmath>

namespace orca {
namespace {

int nonNegative(int v) { return std::max(v, 0); }

}  // namespace

MainLayout Layout_Sub(const LayoutInput& in) {
    MainLayout l;
    const int barsTop = in.toolbarTop + in.toolbarHeight;
    const int paneHeight = nonNegative(in.clientHeight - (in.statusHeight + in.toolbarHeight));

    l.splitter = {nonNegative(in.splitLeft), barsTop, kSplitterWidth, paneHeight};
    l.editor = {0, barsTop, l.splitter.left, paneHeight};

    l.frame.left = l.editor.width + l.editor.left + kPanButtonSize + kSplitterWidth;
    l.frame.top = l.editor.top + kPanButtonSize;
    l.frame.height = nonNegative(l.editor.height - 2 * kPanButtonSize);
    l.frame.width = nonNegative(in.outerWidth - l.frame.left - kPanButtonSize - kBorderAllowance);

    l.surface = {0, 0, l.frame.width, l.frame.height};

    l.up = {l.frame.left, l.editor.top, l.frame.width, kPanButtonSize};
    l.down = {l.up.left, l.frame.bottom(), l.up.width, kPanButtonSize};
    l.left = {l.frame.left - kPanButtonSize, l.up.bottom(), kPanButtonSize, l.frame.height};
    l.right = {l.frame.right(), l.up.bottom(), kPanButtonSize, l.left.height};
    l.leftDown = {l.left.left, l.left.bottom(), kPanButtonSize, kPanButtonSize};
    l.leftUp = {l.left.left, l.up.top, kPanButtonSize, kPanButtonSize};
    l.rightUp = {l.right.left, l.up.top, kPanButtonSize, kPanButtonSize};
    l.rightDown = {l.right.left, l.right.bottom(), kPanButtonSize, kPanButtonSize};

    l.progress = {l.frame.left, in.statusTop, l.frame.width, in.statusHeight};
    return l;
}

int SplitterDragLeft(int currentLeft, int pointerX, int clientWidth) {
    const int wanted = std::max(currentLeft + pointerX, 0);
    // The last whole twip short of half the width: a fast drag that skips
    // past it in one move still ends at the limit, not where it started.
    const int limit = std::max(static_cast<int>(std::ceil(clientWidth / 2.0)) - 1, 0);
    return std::min(wanted, limit);
}

WindowState WindowStateOf(int stored) {
    switch (stored) {
        case 1:
            return WindowState::Minimized;
        case 2:
            return WindowState::Maximized;
        default:
            return WindowState::Normal;
    }
}

}  // namespace orca
