#include "nc/drawing_thread.h"

#include <gtest/gtest.h>

#include <vector>

#include "view/recording_surface.h"
#include "view/surface_mapping.h"

using namespace orca;

namespace {

// Field by field: the records have padding.
bool SameOps(const std::vector<RecordingSurface::Op>& a, const std::vector<RecordingSurface::Op>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto& x = a[i];
        const auto& y = b[i];
        if (x.kind != y.kind || x.style != y.style || x.color != y.color || x.a != y.a || x.b != y.b ||
            x.c != y.c || x.d != y.d || x.start != y.start || x.end != y.end)
            return false;
    }
    return true;
}

// Lines of both styles and arcs, interleaved, well beyond one batch.
template <typename Line, typename Circle>
void Draw(int count, Line line, Circle circle) {
    for (int i = 0; i < count; ++i) {
        const auto f = static_cast<float>(i);
        if (i % 3 == 0) {
            circle(f, f + 1, 2, i % 16, 0.5f, 1.5f);
        } else {
            line(f, 0, 0, f, i % 16, i % 2 ? kDotted : kSolid);
        }
    }
}

}  // namespace

TEST(DrawingThread, PaintsWhatDirectCallsPaintInTheSameOrderAndKeepsTheStyle) {
    RecordingSurface direct;
    direct.setDrawStyle(kDotted);
    Draw(
        20000,
        [&](float a, float b, float c, float d, int color, std::int16_t s) {
            drawStyledLine(direct, a, b, c, d, color, s);
        },
        [&](float x, float y, float r, int color, float s, float e) {
            drawSolidCircle(direct, x, y, r, color, s, e);
        });

    RecordingSurface painted;
    painted.setDrawStyle(kDotted);
    {
        DrawingThread thread(painted);
        Draw(
            20000,
            [&](float a, float b, float c, float d, int color, std::int16_t s) {
                thread.line(a, b, c, d, color, s);
            },
            [&](float x, float y, float r, int color, float s, float e) {
                thread.circle(x, y, r, color, s, e);
            });
        thread.catchUp();
        EXPECT_TRUE(SameOps(painted.ops(), direct.ops()));
        // More after catching up, left to the destructor.
        thread.line(1, 2, 3, 4, 5, kSolid);
    }
    EXPECT_EQ(painted.ops().size(), direct.ops().size() + 1);
    EXPECT_EQ(painted.ops().back().a, 1);
    EXPECT_EQ(painted.DrawStyle(), kDotted);
}

TEST(DrawingThread, CatchingUpWithNothingGivenReturns) {
    RecordingSurface surface;
    DrawingThread thread(surface);
    thread.catchUp();
    thread.catchUp();
    EXPECT_TRUE(surface.ops().empty());
}
