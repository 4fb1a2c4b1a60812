#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/available_memory.h"

namespace orca {

// What a load holds at its peak, measured in the window on programs of 4 to
// 210 bytes a line (the headless commands hold less): the decoded text,
// the editor pane's copy and the drawn segments, with room for a text that
// grows by half in decoding (CP932 kanji) while its bytes are still held.
// Short lines cost more per byte, so lines count on their own.
inline constexpr double kLoadBytesPerFileByte = 4;
inline constexpr double kLoadBytesPerLine = 80;

struct LoadSize {
    std::uint64_t bytes = 0;
    std::uint64_t lines = 0;  // 0 while the file is unread: the least it can need
};

std::uint64_t LoadMemoryNeed(const LoadSize& size);
// The most file bytes a load could take in `available` memory, lines aside.
std::uint64_t LoadBytesFitting(std::uint64_t available);
// False only when the need is known to exceed what is available; an unknown
// amount of free memory lets the load go ahead.
[[nodiscard]] bool LoadFitsMemory(const LoadSize& size, std::optional<std::uint64_t> available);

// A size for the user: bytes, KB, MB or GB (binary multiples) with one decimal.
std::string ByteSizeText(std::uint64_t bytes);
// The refusal, naming the file's size, the memory the load needs and what is free.
std::string LoadTooLargeMessage(std::uint64_t fileBytes, std::uint64_t need, std::uint64_t available);
// The memory ran out during a load all the same (what else runs took it).
inline constexpr const char* kLoadOutOfMemoryMessage = "メモリが足りないため読み込めませんでした。";
// The refusal of a file with a line longer than the editor can show.
std::string LineTooLongMessage(std::uint64_t longest, std::uint64_t limit);

}  // namespace orca
