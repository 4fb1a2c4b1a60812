#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orca {

class Surface;

// LineNumber is the 1-based editor line the primitive was drawn for (0:
// none). It sits in what was the records' padding, so the list holds the
// same bytes per item as without it.
struct LineItem {
    double X1, Y1, X2, Y2;
    std::int16_t ColorIndex;
    std::int16_t DrawStyle;
    std::int32_t LineNumber = 0;
};

struct CircleItem {
    double X, Y, Radius;
    std::int16_t ColorIndex;
    double StartAngle, EndAngle;
    std::int16_t DrawStyle;
    std::int32_t LineNumber = 0;
};

static_assert(sizeof(LineItem) == 40);
static_assert(sizeof(CircleItem) == 56);

// Every primitive a pass drew, in surface coordinates, so that zoom and pan
// can redraw without reading the program again. It grows with the program.
struct DisplayList {
    std::vector<LineItem> lines;
    std::vector<CircleItem> circles;

    std::size_t LineCount() const { return lines.size(); }
    std::size_t CircleCount() const { return circles.size(); }
    bool empty() const { return lines.empty() && circles.empty(); }
    void clear() {
        lines.clear();
        circles.clear();
    }
    // Room for a pass over `records` records, most of which draw one item:
    // the list then grows without copying itself. What is not used costs
    // address space only.
    void reserveFor(std::size_t records);
};

// Replays every line, then every circle, with the surface's current window.
void DisplayList_Redraw(const DisplayList& list, Surface& surface);

// The same, as one Line or Circle call for every item (what any surface's
// replay must look like).
void ReplayItemByItem(const DisplayList& list, Surface& surface);

}  // namespace orca
