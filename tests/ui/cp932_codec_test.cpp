#include "document/qt/cp932_codec.h"

#include <gtest/gtest.h>

#include <string>

#include "document/utf8.h"

namespace orca {
namespace {

const std::string kFffd(kReplacementChar);

std::string decodeCp932(std::string_view bytes) { return QtTextCodec().decode(bytes, TextEncoding::Cp932); }

TEST(QtTextCodec, Cp932RoundTripWithJapanese) {
    const QtTextCodec codec;
    // "(穴あけ ｱｲ ①Ⅰ髙)" with NEC and IBM extension characters.
    const std::string bytes = "G90\r\n(\x8C\x8A\x82\xA0\x82\xAF \xB1\xB2 \x87\x40\x87\x54\xFB\xFC)\r\n";
    ASSERT_EQ(DetectEncoding(bytes), TextEncoding::Cp932);
    const std::string text = codec.decode(bytes, TextEncoding::Cp932);
    EXPECT_EQ(text, "G90\r\n(穴あけ ｱｲ ①Ⅰ髙)\r\n");
    const EncodeResult back = codec.encode(text, TextEncoding::Cp932);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.bytes, bytes);
}

TEST(QtTextCodec, BackslashTildeAndControlsStayAscii) {
    const std::string ascii("C:\\NC\\a.nc ~ \x1A\x1C\x7F", 17);
    EXPECT_EQ(decodeCp932(ascii), ascii);
    EXPECT_EQ(decodeCp932("\x82\xA0\\\x1A"), "あ\\\x1A");
    EXPECT_EQ(QtTextCodec().encode("あ\\\x1A\x7F", TextEncoding::Cp932).bytes, "\x82\xA0\\\x1A\x7F");
    // Windows-31J forms, not JIS X 0208's: full-width tilde, minus, backslash.
    EXPECT_EQ(decodeCp932("\x81\x60\x81\x7C\x81\x5F"), "～－＼");
}

TEST(QtTextCodec, TrailByteThatLooksLikeALetterIsPartOfTheCharacter) {
    // 0x83 0x58 is "ス": its trail byte is "X" in ASCII.
    EXPECT_EQ(decodeCp932("(\x83\x58)X1."), "(ス)X1.");
}

TEST(QtTextCodec, BadBytesAndCutLeadByteBecomeReplacementCharacters) {
    EXPECT_EQ(decodeCp932("a\x80"
                          "b"),
              "a" + kFffd + "b");
    EXPECT_EQ(decodeCp932("\x85\x40"), kFffd) << "pair without a character";
    EXPECT_EQ(decodeCp932("\xFC\xFC"), kFffd);
    EXPECT_EQ(decodeCp932("G90(\x82"), "G90(" + kFffd) << "lead byte cut off by the end";
    EXPECT_EQ(decodeCp932("\x82\r\n"), kFffd + "\r\n");
}

TEST(QtTextCodec, Utf8FilesKeepTheirBytes) {
    const QtTextCodec codec;
    const std::string bom = "\xEF\xBB\xBF(穴あけ)\r\n";
    ASSERT_EQ(DetectEncoding(bom), TextEncoding::Utf8Bom);
    EXPECT_EQ(codec.decode(bom, TextEncoding::Utf8Bom), "(穴あけ)\r\n");
    EXPECT_EQ(codec.encode("(穴あけ)\r\n", TextEncoding::Utf8Bom).bytes, bom);

    const std::string umlaut = "; fräsen Werkstück\nG90\n";
    ASSERT_EQ(DetectEncoding(umlaut), TextEncoding::Utf8);
    EXPECT_EQ(codec.decode(umlaut, TextEncoding::Utf8), umlaut);
}

TEST(QtTextCodec, AlmostValidUtf8IsReadAsCp932) {
    // UTF-8 Japanese with one CP932 pair: the whole file is CP932.
    const std::string bytes = "(あ)\r\n(\x82\xA0)\r\n";
    ASSERT_EQ(DetectEncoding(bytes), TextEncoding::Cp932);
    const std::string text = QtTextCodec().decode(bytes, TextEncoding::Cp932);
    EXPECT_TRUE(CheckUtf8(text).valid);
    EXPECT_NE(text.find("(あ)\r\n"), std::string::npos);
}

TEST(QtTextCodec, UnrepresentableCharacterNamesLineAndCharacter) {
    const QtTextCodec codec;
    for (const char* character : {"€", "ü", "😀", "¥", "〜"}) {
        const EncodeResult r =
            codec.encode(std::string("G90\r\n(穴)\r\n(あ") + character + "い)\r\n", TextEncoding::Cp932);
        ASSERT_FALSE(r.ok()) << character;
        EXPECT_TRUE(r.bytes.empty());
        EXPECT_EQ(r.unrepresentable->line, 3u) << character;
        EXPECT_EQ(r.unrepresentable->character, character);
    }
    EXPECT_TRUE(codec.encode("(€)", TextEncoding::Utf8).ok());
}

}  // namespace
}  // namespace orca
