#include "nc/mode_detection.h"

#include "base/records.h"
#include "nc/nc_modal_state.h"
#include "nc/standard_words.h"

namespace orca {

std::int16_t AbsIncModeInText(std::string_view text, bool standardReading) {
    std::int16_t mode = -1;
    int count = 0;
    ForEachRecord(text, [&](std::string_view record) {
        if (mode >= 0 || count == kModeRecordsSearched) return;
        const auto has = [record, standardReading](GCode code, std::string_view form) {
            return standardReading ? ReadStandardLine(record).hasG(code)
                                   : record.find(form) != std::string_view::npos;
        };
        if (has(GCode::G90, "G90")) {
            mode = kAbsolute;
        } else if (has(GCode::G91, "G91")) {
            mode = kIncremental;
        } else {
            ++count;
        }
    });
    return mode;
}

}  // namespace orca
