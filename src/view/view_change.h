#pragma once

namespace orca {

struct PlotEngine;

// What zoom and pan need of the main window.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    // Remembers the main window's mouse pointer and shows the hourglass.
    virtual void ShowHourglass() = 0;
    // Brings back the pointer remembered by the matching ShowHourglass.
    virtual void RestorePointer() = 0;
    // Lets pending window events run once.
    virtual void DoEvents() = 0;
};

// After the surface window has changed: clear, grid, replay of what was
// drawn, then pending events once.
void ViewChangeRedraw(PlotEngine& engine, ViewHost& host);

}  // namespace orca
