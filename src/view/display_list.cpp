#include "view/display_list.h"

#include "view/surface.h"

namespace orca {

void DisplayList::reserveFor(std::size_t records) {
    lines.reserve(records);
    circles.reserve(records);
}

void DisplayList_Redraw(const DisplayList& list, Surface& surface) { surface.Replay(list); }

void Surface::Replay(const DisplayList& list) { ReplayItemByItem(list, *this); }

void ReplayItemByItem(const DisplayList& list, Surface& surface) {
    const std::int16_t saved = surface.DrawStyle();
    for (const LineItem& l : list.lines) {
        surface.setDrawStyle(l.DrawStyle);
        surface.Line(static_cast<float>(l.X1), static_cast<float>(l.Y1), static_cast<float>(l.X2),
                     static_cast<float>(l.Y2), l.ColorIndex);
    }
    for (const CircleItem& c : list.circles) {
        surface.setDrawStyle(c.DrawStyle);
        surface.Circle(static_cast<float>(c.X), static_cast<float>(c.Y), static_cast<float>(c.Radius),
                       c.ColorIndex, static_cast<float>(c.StartAngle), static_cast<float>(c.EndAngle));
    }
    surface.setDrawStyle(saved);
}

}  // namespace orca
