#pragma once

#include <memory>

#include "view/pixel_canvas.h"

namespace orca {

// Draws the arc of centre (cx, cy) and radius r (pixels) from angle `start`
// through `span` radians (0 < span <= a full turn), counter-clockwise as seen
// on the canvas, whose rows grow downwards. Only the part that can reach the
// canvas is stepped, so huge circles after a deep zoom stay cheap.
void DrawArcPx(const PixelCanvas& canvas, double cx, double cy, double r, double start, double span,
               PixelPen& pen);

// DrawArcPx for a run of arcs, one after the other, with the very pixels,
// in less time: solid arcs in one colour are walked two at a time, so that
// neither waits for its own last step (their pixels do not depend on which
// is set first). What is left is drawn by finish(), and before an arc of
// another colour.
class ArcPairs {
public:
    explicit ArcPairs(const PixelCanvas& canvas);
    ~ArcPairs();
    ArcPairs(const ArcPairs&) = delete;
    ArcPairs& operator=(const ArcPairs&) = delete;

    void draw(double cx, double cy, double r, double start, double span, PixelPen& pen);
    void finish();

private:
    struct Waiting;
    PixelCanvas canvas_;
    std::unique_ptr<Waiting> waiting_;
};

}  // namespace orca
