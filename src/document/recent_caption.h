#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orca {

// The most characters of a path a recent-file entry shows.
inline constexpr std::size_t kRecentCaptionChars = 120;

// What the recent-file menu shows of a path: the path itself, or for a
// longer one its start and its end (where the file name is) around "…", so
// the menu stays on the screen. The entry keeps the whole path to load.
std::string RecentEntryCaption(std::string_view path);

}  // namespace orca
