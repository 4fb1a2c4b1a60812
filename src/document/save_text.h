#pragma once

#include <string>
#include <string_view>

#include "document/text_encoding.h"

namespace orca {

// The bytes a save writes: the editor text in the document's encoding,
// followed by CR LF unless it ends with a line break already, so a program
// saved unchanged keeps its bytes (an empty text gives CR LF alone). Fails,
// with nothing to write, at the first character the encoding cannot
// represent, and, for a text whose file held bytes that were not UTF-8
// (`utf8Repaired`), at the first U+FFFD while one is left: it may stand for
// such bytes, which a save would lose.
[[nodiscard]] EncodeResult SaveBytes(std::string_view editorText, TextEncoding encoding, bool utf8Repaired,
                                     const TextCodec& codec);

// The message that names the character a save cannot write.
std::string UnrepresentableMessage(const Unrepresentable& u);

}  // namespace orca
