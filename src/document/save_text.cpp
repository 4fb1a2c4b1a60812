#include "document/save_text.h"

#include "document/utf8.h"

namespace orca {

EncodeResult SaveBytes(std::string_view editorText, TextEncoding encoding, bool utf8Repaired,
                       const TextCodec& codec) {
    if (utf8Repaired) {
        const auto at = editorText.find(kReplacementChar);
        if (at != std::string_view::npos) {
            return {{}, Unrepresentable{LineAt(editorText, at), std::string(kReplacementChar), true}};
        }
    }
    const bool endsWithLineBreak =
        !editorText.empty() && (editorText.back() == '\n' || editorText.back() == '\r');
    if (endsWithLineBreak) return codec.encode(editorText, encoding);
    std::string text;
    text.reserve(editorText.size() + 2);
    text.append(editorText);
    text.append("\r\n");
    return codec.encode(text, encoding);
}

std::string UnrepresentableMessage(const Unrepresentable& u) {
    const std::string why = u.unreadBytes ? "はUTF-8として読めなかったため" : "はShift-JISで表せないため";
    return std::to_string(u.line) + "行目の文字「" + u.character + "」" + why + "、保存できません。";
}

}  // namespace orca
