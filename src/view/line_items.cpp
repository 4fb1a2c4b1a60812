#include "view/line_items.h"

#include <algorithm>
#include <vector>

namespace orca {
namespace {

// std::equal_range rather than its ranges form, which clang's fuzzing build
// cannot compile against this standard library.
template <typename Item>
std::span<const Item> itemsOf(const std::vector<Item>& items, std::int32_t lineNumber) {
    struct ByLine {
        bool operator()(const Item& item, std::int32_t n) const { return item.LineNumber < n; }
        bool operator()(std::int32_t n, const Item& item) const { return n < item.LineNumber; }
    };
    const auto [first, last] = std::equal_range(items.begin(), items.end(), lineNumber, ByLine{});
    return {first, last};
}

}  // namespace

LineItems ItemsOfLine(const DisplayList& list, std::int32_t lineNumber) {
    if (lineNumber <= 0) return {};
    return {itemsOf(list.lines, lineNumber), itemsOf(list.circles, lineNumber)};
}

}  // namespace orca
