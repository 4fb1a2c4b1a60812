#pragma once

#include <string>
#include <string_view>

#include "document/text_encoding.h"

namespace orca {

// The bytes a save writes: the editor text followed by one CR LF, in the
// document's encoding. Fails, with nothing to write, at the first character
// the encoding cannot represent.
EncodeResult SaveBytes(std::string_view editorText, TextEncoding encoding, const TextCodec& codec);

// The message that names the character a save cannot write.
std::string UnrepresentableMessage(const Unrepresentable& u);

}  // namespace orca
