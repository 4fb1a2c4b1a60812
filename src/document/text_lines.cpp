#include "document/text_lines.h"

#include <algorithm>

#include "base/records.h"

namespace orca {

void LineCounter::feed(std::string_view piece) {
    std::size_t pos = 0;
    if (pendingCr_ && !piece.empty() && piece.front() == '\n') pos = 1;
    pendingCr_ = false;
    while (pos < piece.size()) {
        const std::size_t end = FindLineEnd(piece, pos);
        current_ += end - pos;
        if (end == piece.size()) break;
        ++ends_;
        longest_ = std::max(longest_, current_);
        current_ = 0;
        pos = end + 1;
        if (piece[end] != '\r') continue;
        if (pos == piece.size()) {
            pendingCr_ = true;
        } else if (piece[pos] == '\n') {
            ++pos;
        }
    }
}

TextLines LineCounter::lines() const {
    return {ends_ + (current_ > 0 ? 1 : 0), std::max(longest_, current_)};
}

TextLines CountLines(std::string_view bytes) {
    LineCounter counter;
    counter.feed(bytes);
    return counter.lines();
}

}  // namespace orca
