#pragma once

#include "nc/extents_pass.h"
#include "nc/line_pass.h"
#include "nc/tool_path_pass.h"

namespace orca {

// The passes of the word reading the drawing settings choose, picked once
// per pass so that no line pays for the choice.
inline LinePass ExtentsPassFor(bool standardReading) {
    return standardReading ? LinePass{LineMaxMinGetStandard_Sub, true} : LinePass{LineMaxMinGet_Sub, false};
}
inline LinePass ToolPathPassFor(bool standardReading) {
    return standardReading ? LinePass{LineRouteDspStandard_Sub, true} : LinePass{LineRouteDsp_Sub, false};
}

}  // namespace orca
