#include "view/line_items.h"

#include <algorithm>

namespace orca {

LineItems ItemsOfLine(const DisplayList& list, std::int32_t lineNumber) {
    if (lineNumber <= 0) return {};
    const auto lines = std::ranges::equal_range(list.lines, lineNumber, {}, &LineItem::LineNumber);
    const auto circles = std::ranges::equal_range(list.circles, lineNumber, {}, &CircleItem::LineNumber);
    return {{lines.begin(), lines.end()}, {circles.begin(), circles.end()}};
}

}  // namespace orca
