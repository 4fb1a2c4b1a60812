#include "document/file_mode.h"

#include "base/records.h"
#include "document/text_encoding.h"
#include "nc/mode_detection.h"

namespace orca {

std::int16_t AbsIncModeInBytes(std::string_view bytes, const TextCodec& codec, bool standardReading) {
    // Line ends are the same bytes in every encoding a program is read in.
    std::size_t end = 0;
    for (int n = 0; n < kModeRecordsSearched && end < bytes.size(); ++n) {
        end = FindLineEnd(bytes, end);
        if (end == bytes.size()) break;
        end += bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
    }
    const std::string_view head = bytes.substr(0, end);
    return AbsIncModeInText(codec.decode(head, DetectEncoding(head, head.size() == bytes.size())),
                            standardReading);
}

}  // namespace orca
