#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "view/surface.h"

namespace orca {

// A circle or arc drawn solid, the surface's style kept.
inline void drawSolidCircle(Surface& s, float x, float y, float radius, int color, float startAngle,
                            float endAngle) {
    const std::int16_t saved = s.DrawStyle();
    s.setDrawStyle(kSolid);
    s.Circle(x, y, radius, color, startAngle, endAngle);
    s.setDrawStyle(saved);
}

// Draws lines and circles on a surface from a thread of its own, in the order
// they are given, so that a pass can read on while they are painted. The
// surface belongs to that thread from construction until catchUp() or the
// destructor returns: nothing else may draw on it, change its style or look
// at its pixels meanwhile (reading its window is fine).
class DrawingThread {
public:
    explicit DrawingThread(Surface& surface);
    ~DrawingThread();
    DrawingThread(const DrawingThread&) = delete;
    DrawingThread& operator=(const DrawingThread&) = delete;

    // As drawStyledLine would draw it.
    void line(float x1, float y1, float x2, float y2, int color, std::int16_t style);
    // As drawSolidCircle would draw it.
    void circle(float x, float y, float radius, int color, float startAngle, float endAngle);
    // Returns once everything given so far is on the surface.
    void catchUp();

private:
    struct Primitive {
        float a, b, c, d, e;
        std::int16_t color;
        std::int16_t style;
        bool circle;
    };
    using Batch = std::vector<Primitive>;

    void add(const Primitive& p);
    void handOver();
    void run();
    static void draw(Surface& surface, const Batch& batch);

    Surface& surface_;
    Batch filling_;  // the giving thread's own
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch> handed_;
    std::vector<Batch> spare_;
    bool drawing_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace orca
