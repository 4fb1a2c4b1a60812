#include "document/load_memory.h"

#include <cmath>
#include <cstdio>

#include "base/records.h"

namespace orca {

std::uint64_t LoadMemoryNeed(const LoadSize& size) {
    const double need = std::ceil(static_cast<double>(size.bytes) * kLoadBytesPerFileByte +
                                  static_cast<double>(size.lines) * kLoadBytesPerLine);
    // Beyond any machine: saturate rather than wrap.
    return need >= 1.8e19 ? UINT64_MAX : static_cast<std::uint64_t>(need);
}

std::uint64_t LoadBytesFitting(std::uint64_t available) {
    return static_cast<std::uint64_t>(static_cast<double>(available) / kLoadBytesPerFileByte);
}

bool LoadFitsMemory(const LoadSize& size, std::optional<std::uint64_t> available) {
    return !available || LoadMemoryNeed(size) <= *available;
}

std::string ByteSizeText(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " バイト";
    constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    while (value >= 1024 && unit + 1 < std::size(kUnits)) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
    return text;
}

std::string LoadTooLargeMessage(std::uint64_t fileBytes, std::uint64_t need, std::uint64_t available) {
    return "ファイルが大きすぎるため読み込めません（" + ByteSizeText(fileBytes) + "）。\r\n読み込みには約 " +
           ByteSizeText(need) + " のメモリが必要ですが、空きは " + ByteSizeText(available) + " です。";
}

std::string LineTooLongMessage(std::uint64_t longest, std::uint64_t limit) {
    return "ファイルに長すぎる行があるため読み込めません（最長の行 " + ByteSizeText(longest) +
           "、表示できるのは " + ByteSizeText(limit) + " まで）。";
}

}  // namespace orca
