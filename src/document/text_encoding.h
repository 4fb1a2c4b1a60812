#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/cancel_flag.h"

namespace orca {

// How a program file's bytes are written; kept from the load for the save.
enum class TextEncoding { Cp932, Utf8, Utf8Bom };

// A file starting with the UTF-8 byte-order mark is Utf8Bom; valid UTF-8 with
// at least one character outside ASCII is Utf8; everything else is CP932.
// `complete` false means `bytes` is only the start of a file, so a character
// cut off at its end does not make it invalid.
TextEncoding DetectEncoding(std::string_view bytes, bool complete = true);

// A character the encoding cannot write, and the line (1-based) it is on.
struct Unrepresentable {
    std::size_t line = 0;
    std::string character;  // UTF-8
    // The character is a U+FFFD standing for bytes of a UTF-8 file that were
    // not UTF-8: writing it would replace those bytes for good.
    bool unreadBytes = false;
};

struct EncodeResult {
    std::string bytes;
    std::optional<Unrepresentable> unrepresentable;  // set when nothing can be written

    bool ok() const { return !unrepresentable; }
};

// Converts between file bytes and the UTF-8 text every other part works on.
// Bytes that do not decode become U+FFFD. ASCII never goes through the
// CP932 tables, so control characters and 0x5C stay as they are and pure
// ASCII costs one copy.
// 1-based line of the character at `pos`, lines ended as records are.
std::size_t LineAt(std::string_view text, std::size_t pos);

class TextCodec {
public:
    virtual ~TextCodec() = default;

    // `utf8Repaired`, when given, tells whether a UTF-8 file held bytes that
    // are not UTF-8. (In CP932 text every U+FFFD stands for such bytes, as
    // CP932 has no code for it; the encoding refuses to write it back.)
    std::string decode(std::string_view bytes, TextEncoding encoding, bool* utf8Repaired = nullptr) const;
    // The same text, taking `bytes` over as it when they decode to themselves
    // (ASCII, or UTF-8 without a mark that needs no repair): a big file's
    // text then costs no second copy. Other bytes are decoded a few
    // megabytes at a time, the cancel request looked at in between; once
    // seen, what is returned is to be thrown away.
    std::string decodeOwned(std::string bytes, TextEncoding encoding, bool* utf8Repaired = nullptr,
                            const CancelFlag* cancel = nullptr) const;
    // Writes a byte-order mark for Utf8Bom. Fails, writing nothing, at the
    // first character CP932 cannot represent.
    EncodeResult encode(std::string_view utf8, TextEncoding encoding) const;

protected:
    // `run` holds only whole CP932 characters outside ASCII (half-width kana
    // and lead-trail pairs). Appends their UTF-8, U+FFFD for a code without a
    // character.
    virtual void decodeCp932Run(std::string_view run, std::string& out) const = 0;
    // `run` holds only well-formed UTF-8 characters outside ASCII. Appends
    // their CP932 bytes; false when one of them has no CP932 code.
    virtual bool encodeCp932Run(std::string_view run, std::string& out) const = 0;

private:
    // Decodes a few megabytes at a time, the cancel request looked at in between.
    std::string decodeInPieces(std::string_view bytes, TextEncoding encoding, bool* utf8Repaired,
                               const CancelFlag* cancel) const;
    void appendDecodedCp932(std::string_view bytes, std::string& out) const;
    EncodeResult encodeCp932(std::string_view utf8) const;
    Unrepresentable firstUnrepresentable(std::string_view utf8, std::size_t runStart,
                                         std::size_t runEnd) const;
};

}  // namespace orca
