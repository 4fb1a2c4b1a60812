#include "view/recording_surface.h"

namespace orca {

void RecordingSurface::Cls() {
    if (keepOps_) ops_.push_back({Op::kCls, DrawStyle(), 0, 0, 0, 0, 0, 0, 0});
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, int colorIndex) {
    ++lineCalls_;
    if (keepOps_) ops_.push_back({Op::kLine, DrawStyle(), colorIndex, x1, y1, x2, y2, 0, 0});
}

void RecordingSurface::Circle(float x, float y, float radius, int colorIndex, float startAngle,
                              float endAngle) {
    ++circleCalls_;
    if (keepOps_)
        ops_.push_back({Op::kCircle, DrawStyle(), colorIndex, x, y, radius, 0, startAngle, endAngle});
}

}  // namespace orca
