#include "app/settings_value.h"

#include <utility>

#include "document/utf8.h"

namespace orca {

std::string SettingsValueText(std::string_view stored, const TextCodec& codec) {
    if (CheckUtf8(stored).valid) return std::string(stored);
    return codec.decode(stored, TextEncoding::Cp932);
}

std::string SettingsValueBytes(std::string_view text, const TextCodec& codec) {
    EncodeResult cp932 = codec.encode(text, TextEncoding::Cp932);
    // A character CP932 lacks keeps the value in UTF-8, and so do CP932
    // bytes that happen to be valid UTF-8 (the half-width kana "ﾃｩ" are the
    // bytes of "é"), which would read back as other text.
    if (!cp932.ok() || SettingsValueText(cp932.bytes, codec) != text) return std::string(text);
    return std::move(cp932.bytes);
}

}  // namespace orca
