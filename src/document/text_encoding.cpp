#include "document/text_encoding.h"

#include <algorithm>

#include "base/records.h"
#include "document/utf8.h"

namespace orca {
namespace {

bool isCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isCp932Trail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }
bool isHalfWidthKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// Length of the non-ASCII CP932 character at bytes[i]: 1 for half-width
// kana, 2 for a lead-trail pair, 0 for a byte that starts no character
// (including a lead byte cut off by the end).
std::size_t cp932CharLength(std::string_view bytes, std::size_t i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (isHalfWidthKana(b)) return 1;
    if (isCp932Lead(b) && i + 1 < bytes.size() && isCp932Trail(static_cast<unsigned char>(bytes[i + 1]))) {
        return 2;
    }
    return 0;
}

// End of the run of whole non-ASCII CP932 characters from `i`.
std::size_t cp932RunEnd(std::string_view bytes, std::size_t i) {
    for (std::size_t length; i < bytes.size() && (length = cp932CharLength(bytes, i)) > 0;) i += length;
    return i;
}

// End of the run of well-formed non-ASCII UTF-8 characters from `i`.
std::size_t utf8RunEnd(std::string_view text, std::size_t i) {
    for (std::size_t length; i < text.size() && (length = Utf8CharLength(text.substr(i))) > 1;) i += length;
    return i;
}

}  // namespace

std::size_t LineAt(std::string_view text, std::size_t pos) {
    std::size_t lines = 0;
    ForEachRecord(text.substr(0, pos + 1), [&](std::string_view) { ++lines; });
    return lines;
}

TextEncoding DetectEncoding(std::string_view bytes, bool complete) {
    if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8Bom;
    const Utf8Check check = CheckUtf8(bytes, !complete);
    return check.valid && check.multiByte ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

std::string TextCodec::decode(std::string_view bytes, TextEncoding encoding, bool* utf8Repaired) const {
    return decodeInPieces(bytes, encoding, utf8Repaired, nullptr);
}

std::string TextCodec::decodeOwned(std::string bytes, TextEncoding encoding, bool* utf8Repaired,
                                   const CancelFlag* cancel) const {
    if (encoding == TextEncoding::Cp932
            ? IsAscii(bytes)
            : encoding == TextEncoding::Utf8 && !bytes.starts_with(kUtf8Bom) && CheckUtf8(bytes).valid) {
        if (utf8Repaired) *utf8Repaired = false;
        return bytes;
    }
    return decodeInPieces(bytes, encoding, utf8Repaired, cancel);
}

std::string TextCodec::decodeInPieces(std::string_view bytes, TextEncoding encoding, bool* utf8Repaired,
                                      const CancelFlag* cancel) const {
    const bool cp932 = encoding == TextEncoding::Cp932;
    if (!cp932 && bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    std::string out;
    out.reserve(cp932 ? bytes.size() + bytes.size() / 2 : bytes.size());
    bool repaired = false;
    // Pieces end after a line end, which no character of either encoding
    // holds as one of its bytes, so they decode as the whole would.
    constexpr std::size_t kPiece = 4 << 20;
    while (!bytes.empty() && !Cancelled(cancel)) {
        const std::size_t end =
            std::min(FindLineEnd(bytes, std::min(kPiece, bytes.size())) + 1, bytes.size());
        const std::string_view piece = bytes.substr(0, end);
        if (cp932) {
            appendDecodedCp932(piece, out);
        } else {
            repaired = AppendUtf8Repaired(piece, out) || repaired;
        }
        bytes.remove_prefix(end);
    }
    if (utf8Repaired) *utf8Repaired = repaired;
    return out;
}

EncodeResult TextCodec::encode(std::string_view utf8, TextEncoding encoding) const {
    switch (encoding) {
        case TextEncoding::Cp932:
            return encodeCp932(utf8);
        case TextEncoding::Utf8Bom:
            return {std::string(kUtf8Bom).append(utf8), {}};
        case TextEncoding::Utf8:
            break;
    }
    return {std::string(utf8), {}};
}

void TextCodec::appendDecodedCp932(std::string_view bytes, std::string& out) const {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t ascii = AsciiSpan(bytes.substr(i));
        out.append(bytes.substr(i, ascii));
        i += ascii;

        const std::size_t runStart = i;
        i = cp932RunEnd(bytes, i);
        if (i > runStart) decodeCp932Run(bytes.substr(runStart, i - runStart), out);

        if (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80) {
            out.append(kReplacementChar);
            ++i;
        }
    }
}

EncodeResult TextCodec::encodeCp932(std::string_view utf8) const {
    EncodeResult result;
    if (IsAscii(utf8)) {
        result.bytes = utf8;
        return result;
    }
    result.bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t ascii = AsciiSpan(utf8.substr(i));
        result.bytes.append(utf8.substr(i, ascii));
        i += ascii;

        const std::size_t runStart = i;
        i = utf8RunEnd(utf8, i);
        const bool malformed = i < utf8.size() && static_cast<unsigned char>(utf8[i]) >= 0x80;
        if (i > runStart && !encodeCp932Run(utf8.substr(runStart, i - runStart), result.bytes)) {
            return {{}, firstUnrepresentable(utf8, runStart, i)};
        }
        if (malformed) return {{}, Unrepresentable{LineAt(utf8, i), std::string(kReplacementChar)}};
    }
    return result;
}

Unrepresentable TextCodec::firstUnrepresentable(std::string_view utf8, std::size_t runStart,
                                                std::size_t runEnd) const {
    std::string scratch;
    std::size_t pos = runStart;
    while (pos < runEnd) {
        const std::size_t length = Utf8CharLength(utf8.substr(pos));
        const std::string_view character = utf8.substr(pos, length);
        if (!encodeCp932Run(character, scratch)) break;
        pos += length;
    }
    if (pos >= runEnd) pos = runStart;  // the run failed only as a whole: name its first character
    return {LineAt(utf8, pos), std::string(utf8.substr(pos, Utf8CharLength(utf8.substr(pos))))};
}

}  // namespace orca
