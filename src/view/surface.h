#pragma once

#include <cstdint>

namespace orca {

struct DisplayList;

// The drawing surface's coordinate window (single precision, as the surface
// holds it). A surface point (u, v) lies at pixel column
// (u - ScaleLeft) * Wpx / ScaleWidth and row (v - ScaleTop) * Hpx / ScaleHeight.
struct ScaleWindow {
    float ScaleLeft = 0.0f;
    float ScaleTop = 0.0f;
    float ScaleWidth = 1.0f;
    float ScaleHeight = 1.0f;
};

enum DrawStyleValue : std::int16_t { kSolid = 0, kDotted = 2 };

// What the passes, the grid and the replay draw on. Colours are indices into
// Palette16; angles are radians, counter-clockwise as seen on the screen, and
// an arc runs counter-clockwise from start to end (equal angles: full circle).
class Surface {
public:
    virtual ~Surface() = default;

    const ScaleWindow& window() const { return window_; }
    void setWindow(const ScaleWindow& w) { window_ = w; }
    std::int16_t DrawStyle() const { return drawStyle_; }
    void setDrawStyle(std::int16_t style) { drawStyle_ = style; }

    virtual void Cls() = 0;
    virtual void Line(float x1, float y1, float x2, float y2, int colorIndex) = 0;
    // A negative radius is drawn with its magnitude.
    virtual void Circle(float x, float y, float radius, int colorIndex, float startAngle, float endAngle) = 0;
    // Every line, then every circle, of a display list, each with its own
    // style, the window in force; as the calls one by one would draw them.
    // A surface of pixels may pass over what cannot show.
    virtual void Replay(const DisplayList& list);

private:
    ScaleWindow window_;
    // A drawing thread sets the style (and a surface its pen) for every
    // primitive while the pass's thread reads the window for every line:
    // each has a cache line of its own, or the two cores fight over one.
    alignas(64) std::int16_t drawStyle_ = kSolid;
};

}  // namespace orca
