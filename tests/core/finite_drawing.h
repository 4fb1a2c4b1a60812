#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "view/display_list.h"
#include "view/recording_surface.h"

namespace orca::test {

// Passes when no coordinate, radius or angle in the display list is an
// infinity or a NaN.
inline ::testing::AssertionResult FiniteDisplayList(const DisplayList& list) {
    const auto finite = [](std::initializer_list<double> values) {
        for (double v : values) {
            if (!std::isfinite(v)) return false;
        }
        return true;
    };
    for (std::size_t i = 0; i < list.lines.size(); ++i) {
        const LineItem& l = list.lines[i];
        if (!finite({l.X1, l.Y1, l.X2, l.Y2})) return ::testing::AssertionFailure() << "line " << i;
    }
    for (std::size_t i = 0; i < list.circles.size(); ++i) {
        const CircleItem& c = list.circles[i];
        if (!finite({c.X, c.Y, c.Radius, c.StartAngle, c.EndAngle})) {
            return ::testing::AssertionFailure() << "circle " << i;
        }
    }
    return ::testing::AssertionSuccess();
}

// The same for everything drawn on a recording surface.
inline ::testing::AssertionResult FiniteSurfaceOps(const RecordingSurface& surface) {
    const auto& ops = surface.ops();
    for (std::size_t i = 0; i < ops.size(); ++i) {
        for (float v : {ops[i].a, ops[i].b, ops[i].c, ops[i].d, ops[i].start, ops[i].end}) {
            if (!std::isfinite(v)) return ::testing::AssertionFailure() << "operation " << i;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace orca::test
