#pragma once

namespace orca {

struct PlotView;

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

    // Set while a view change draws and lets events run; a view change that
    // arrives meanwhile only moves the window and leaves the drawing to it.
    bool viewChangeRunning = false;
    bool windowMovedMeanwhile = false;
};

// The picture again from what was drawn, in the current window: clear,
// grid, replay. Nothing of the program is read.
void RedrawView(PlotView& plot);

// After the surface window has changed: clear, grid, replay of what was
// drawn, then pending events once. Called again from those events (a click
// queued during the replay), it returns at once and the running call draws
// again after the events, so clicks never nest and the last window wins.
void ViewChangeRedraw(PlotView& plot, ViewHost& host);

}  // namespace orca
