#include "document/recent_caption.h"

#include <algorithm>
#include <vector>

#include "document/utf8.h"

namespace orca {

std::string RecentEntryCaption(std::string_view path) {
    // Byte offsets of the characters; a byte that starts none counts as one.
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < path.size();
         pos += std::max<std::size_t>(Utf8CharLength(path.substr(pos)), 1)) {
        starts.push_back(pos);
    }
    if (starts.size() <= kRecentCaptionChars) return std::string(path);
    constexpr std::size_t kHead = kRecentCaptionChars / 3;
    constexpr std::size_t kTail = kRecentCaptionChars - kHead - 1;
    return std::string(path.substr(0, starts[kHead])) + "…" +
           std::string(path.substr(starts[starts.size() - kTail]));
}

}  // namespace orca
