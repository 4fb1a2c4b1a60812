#pragma once

#include <string>
#include <string_view>

#include "document/text_encoding.h"

namespace orca {

// How a settings value is held in the file. The Windows program wrote its
// settings in CP932, earlier versions of this one in UTF-8, and one file may
// hold both; the rest of the program works on UTF-8 text.

// A stored value as text: as it is when it is valid UTF-8 (ASCII included),
// else decoded as CP932.
std::string SettingsValueText(std::string_view stored, const TextCodec& codec);

// The bytes that store `text`: CP932 when that reads back as `text`, else
// `text` itself (UTF-8), so every value reads back unchanged.
std::string SettingsValueBytes(std::string_view text, const TextCodec& codec);

}  // namespace orca
