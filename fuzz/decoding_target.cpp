#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/records.h"
#include "document/qt/cp932_codec.h"
#include "document/text_encoding.h"
#include "document/utf8.h"
#include "fuzz_targets.h"

namespace orca::fuzz {

void ReadingAndDecoding(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QtTextCodec codec;
    const TextEncoding encoding = DetectEncoding(bytes);
    bool utf8Repaired = false;
    const std::string text = codec.decode(bytes, encoding, &utf8Repaired);
    const auto fail = [](const char* what) { require(false, what); };
    if (!CheckUtf8(text).valid) fail("decoded text is UTF-8");
    const std::string_view body = bytes.substr(encoding == TextEncoding::Utf8Bom ? kUtf8Bom.size() : 0);
    if (utf8Repaired != (encoding != TextEncoding::Cp932 && !CheckUtf8(body).valid)) {
        fail("a UTF-8 decode reports exactly whether it replaced bytes");
    }
    // Nothing vanishes: every input byte gives at least one byte of text,
    // except a byte-order mark.
    const std::size_t bom = encoding == TextEncoding::Utf8Bom ? kUtf8Bom.size() : 0;
    if (text.size() + bom < size) fail("decoding dropped bytes");

    std::size_t recordBytes = 0;
    ForEachRecord(text, [&](std::string_view r) { recordBytes += r.size(); });
    if (recordBytes > text.size()) fail("records stay inside the text");

    // What decoded cleanly is written back as the same bytes' text.
    if (text.find(kReplacementChar) == std::string::npos) {
        const EncodeResult saved = codec.encode(text, encoding);
        if (saved.ok() && codec.decode(saved.bytes, encoding) != text)
            fail("save then load gives the text back");
    }
}

}  // namespace orca::fuzz
