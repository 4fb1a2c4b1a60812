#pragma once

#include <cstdint>
#include <vector>

#include "view/surface.h"

namespace orca {

// A surface that records every operation with the window and style in force,
// for tests, the --dump command and benchmarks.
class RecordingSurface : public Surface {
public:
    struct Op {
        enum Kind : std::uint8_t { kCls, kLine, kCircle } kind;
        std::int16_t style;
        int color;
        float a, b, c, d;  // line: x1 y1 x2 y2; circle: x y radius
        float start, end;  // circle angles
    };

    explicit RecordingSurface(bool keepOps = true) : keepOps_(keepOps) {}

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, int colorIndex) override;
    void Circle(float x, float y, float radius, int colorIndex, float startAngle, float endAngle) override;

    const std::vector<Op>& ops() const { return ops_; }
    std::size_t lineCalls() const { return lineCalls_; }
    std::size_t circleCalls() const { return circleCalls_; }
    void clearOps() { ops_.clear(); }

private:
    bool keepOps_;
    std::vector<Op> ops_;
    std::size_t lineCalls_ = 0;
    std::size_t circleCalls_ = 0;
};

}  // namespace orca
