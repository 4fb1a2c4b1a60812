#pragma once

#include <cstdint>
#include <span>

#include "view/display_list.h"

namespace orca {

// What one editor line drew.
struct LineItems {
    std::span<const LineItem> lines;
    std::span<const CircleItem> circles;
    bool empty() const { return lines.empty() && circles.empty(); }
};

// The items of one editor line, found by binary search: the passes record
// the lines in text order, so each table is sorted by LineNumber and the
// items of a line stand together. The list is its own index.
[[nodiscard]] LineItems ItemsOfLine(const DisplayList& list, std::int32_t lineNumber);

}  // namespace orca
