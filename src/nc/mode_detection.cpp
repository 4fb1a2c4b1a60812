#include "nc/mode_detection.h"

#include "document/text_encoding.h"
#include "nc/program_plot.h"

namespace orca {
namespace {

constexpr int kRecordsSearched = 10;

}  // namespace

std::int16_t AbsIncModeInText(std::string_view text) {
    std::int16_t mode = -1;
    int count = 0;
    ForEachRecord(text, [&](std::string_view record) {
        if (mode >= 0 || count == kRecordsSearched) return;
        if (record.find("G90") != std::string_view::npos) {
            mode = 0;
        } else if (record.find("G91") != std::string_view::npos) {
            mode = 1;
        } else {
            ++count;
        }
    });
    return mode;
}

std::int16_t AbsIncModeInBytes(std::string_view bytes, const TextCodec& codec) {
    // Line ends are the same bytes in every encoding a program is read in.
    std::size_t end = 0;
    for (int n = 0; n < kRecordsSearched && end < bytes.size(); ++n) {
        end = FindLineEnd(bytes, end);
        if (end == bytes.size()) break;
        end += bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
    }
    const std::string_view head = bytes.substr(0, end);
    return AbsIncModeInText(codec.decode(head, DetectEncoding(head, head.size() == bytes.size())));
}

}  // namespace orca
