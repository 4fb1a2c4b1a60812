#include "document/save_text.h"

namespace orca {

EncodeResult SaveBytes(std::string_view editorText, TextEncoding encoding, const TextCodec& codec) {
    std::string text;
    text.reserve(editorText.size() + 2);
    text.append(editorText);
    text.append("\r\n");
    return codec.encode(text, encoding);
}

std::string UnrepresentableMessage(const Unrepresentable& u) {
    return std::to_string(u.line) + "行目の文字「" + u.character +
           "」はShift-JISで表せないため、保存できません。";
}

}  // namespace orca
