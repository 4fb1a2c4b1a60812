#pragma once

#include "document/text_encoding.h"

namespace orca {

// CP932 through Qt's "Shift_JIS" converter, which on this platform is
// Windows-31J (0x5C is the backslash, NEC and IBM extensions included).
class QtTextCodec : public TextCodec {
protected:
    void decodeCp932Run(std::string_view run, std::string& out) const override;
    bool encodeCp932Run(std::string_view run, std::string& out) const override;
};

}  // namespace orca
