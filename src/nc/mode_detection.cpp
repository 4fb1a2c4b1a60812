#include "nc/mode_detection.h"

#include "base/records.h"
#include "nc/nc_modal_state.h"

namespace orca {

std::int16_t AbsIncModeInText(std::string_view text) {
    std::int16_t mode = -1;
    int count = 0;
    ForEachRecord(text, [&](std::string_view record) {
        if (mode >= 0 || count == kModeRecordsSearched) return;
        if (record.find("G90") != std::string_view::npos) {
            mode = kAbsolute;
        } else if (record.find("G91") != std::string_view::npos) {
            mode = kIncremental;
        } else {
            ++count;
        }
    });
    return mode;
}

}  // namespace orca
