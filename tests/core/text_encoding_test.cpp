#include "document/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "document/utf8.h"
#include "tiny_cp932.h"

namespace orca {
namespace {

using namespace std::string_literals;

using test::TinyCp932;

const std::string kFffd(kReplacementChar);

TEST(DetectEncoding, ByteOrderMarkValidUtf8OrCp932) {
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBFG90\r\n"), TextEncoding::Utf8Bom);
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF"), TextEncoding::Utf8Bom);
    EXPECT_EQ(DetectEncoding("(穴あけ)\r\nG90\r\n"), TextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding("G90 G00 X0\r\n"), TextEncoding::Cp932) << "pure ASCII";
    EXPECT_EQ(DetectEncoding(""), TextEncoding::Cp932);
    EXPECT_EQ(DetectEncoding("(\x8C\x8A\x82\xA0\x82\xAF)\r\n"), TextEncoding::Cp932) << "Shift-JIS comment";
}

TEST(DetectEncoding, AlmostValidUtf8FallsBackToCp932) {
    EXPECT_EQ(DetectEncoding("(穴あけ)\r\n(\x82\xA0)"), TextEncoding::Cp932) << "one stray CP932 pair";
    EXPECT_EQ(DetectEncoding("(\xE3\x81)"), TextEncoding::Cp932) << "cut sequence inside";
    EXPECT_EQ(DetectEncoding("\xC0\xAF"), TextEncoding::Cp932) << "overlong slash";
    EXPECT_EQ(DetectEncoding("\xED\xA0\x80"), TextEncoding::Cp932) << "surrogate";
    EXPECT_EQ(DetectEncoding("\xF4\x90\x80\x80"), TextEncoding::Cp932) << "beyond U+10FFFF";
    EXPECT_EQ(DetectEncoding("(あ)\xE3\x81"), TextEncoding::Cp932) << "cut at the end of a whole file";
}

TEST(DetectEncoding, PrefixMayEndInsideACharacter) {
    EXPECT_EQ(DetectEncoding("(あ)\xE3\x81", false), TextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding("(あ)\xE3\x41", false), TextEncoding::Cp932) << "broken, not cut";
}

TEST(Utf8, CheckAndRepair) {
    EXPECT_TRUE(CheckUtf8("abc").valid);
    EXPECT_FALSE(CheckUtf8("abc").multiByte);
    EXPECT_TRUE(CheckUtf8("\xF0\x9F\x98\x80").multiByte);
    EXPECT_EQ(Utf8CharLength("\xE3\x81\x82x"), 3u);
    EXPECT_EQ(Utf8CharLength("\xE3\x81"), 0u);

    std::string out;
    EXPECT_TRUE(
        AppendUtf8Repaired("a\xFF"
                           "b\xE3\x81",
                           out));
    EXPECT_EQ(out, "a" + kFffd + "b" + kFffd + kFffd);
    EXPECT_FALSE(AppendUtf8Repaired("c" + kFffd, out)) << "a U+FFFD of the text itself replaces nothing";
    EXPECT_EQ(out, "a" + kFffd + "b" + kFffd + kFffd + "c" + kFffd);
}

TEST(TextCodecDecode, AsciiNeverReachesTheTables) {
    const TinyCp932 codec;
    const std::string controls("\x1A\x1C\x7F\\~\0G90", 9);
    EXPECT_EQ(codec.decode(controls, TextEncoding::Cp932), controls);
    EXPECT_TRUE(codec.decodedRuns.empty());
}

TEST(TextCodecDecode, Cp932RunsBetweenAscii) {
    const TinyCp932 codec;
    // The trail byte 0x5F of "＼" is "_" in ASCII, and 0x58 would be "X".
    EXPECT_EQ(codec.decode("(\x82\xA0\xB1)G01\x81\x5FX", TextEncoding::Cp932), "(あｱ)G01＼X");
    ASSERT_EQ(codec.decodedRuns.size(), 2u);
    EXPECT_EQ(codec.decodedRuns[0], "\x82\xA0\xB1");
    EXPECT_EQ(codec.decodedRuns[1], "\x81\x5F");
}

TEST(TextCodecDecode, BadBytesBecomeReplacementCharacters) {
    const TinyCp932 codec;
    EXPECT_EQ(codec.decode("a\x80"
                           "b\xA0"
                           "c\xFD",
                           TextEncoding::Cp932),
              "a" + kFffd + "b" + kFffd + "c" + kFffd);
    // A lead byte without a trail keeps the next character.
    EXPECT_EQ(codec.decode("\x82\x0D\x0A", TextEncoding::Cp932), kFffd + "\r\n");
    EXPECT_EQ(codec.decode("\x85\x40", TextEncoding::Cp932), kFffd) << "pair without a character";
}

TEST(TextCodecDecode, LeadByteCutOffAtTheEndIsNotDropped) {
    const TinyCp932 codec;
    EXPECT_EQ(codec.decode("G90(\x82\xA0\x82", TextEncoding::Cp932), "G90(あ" + kFffd);
    EXPECT_EQ(codec.decode("\x82", TextEncoding::Cp932), kFffd);
}

TEST(TextCodecDecode, Utf8DropsTheByteOrderMarkAndRepairs) {
    const TinyCp932 codec;
    bool repaired = true;
    EXPECT_EQ(codec.decode("\xEF\xBB\xBF(あ)", TextEncoding::Utf8Bom, &repaired), "(あ)");
    EXPECT_FALSE(repaired);
    EXPECT_EQ(codec.decode("(あ" + kFffd + ")", TextEncoding::Utf8, &repaired), "(あ" + kFffd + ")");
    EXPECT_FALSE(repaired) << "the file's own U+FFFD";
    EXPECT_EQ(codec.decode("(\xE3\x81)", TextEncoding::Utf8, &repaired), "(" + kFffd + kFffd + ")");
    EXPECT_TRUE(repaired);
    EXPECT_EQ(codec.decode("\xEF\xBB\xBF\xFF", TextEncoding::Utf8Bom, &repaired), kFffd);
    EXPECT_TRUE(repaired);
    EXPECT_TRUE(codec.decodedRuns.empty());
}

// Taking the bytes over must give the very text decoding gives, repair
// flag included, whatever the bytes and the encoding they were taken in.
TEST(TextCodecDecode, TakingTheBytesOverGivesTheSameText) {
    const TinyCp932 codec;
    const std::string samples[] = {"",
                                   "G90\r\nX1.\0Y2.\r\n"s,
                                   "(\x82\xA0\xB1)G01\x81\x5FX",
                                   "(\xE3\x81\x82)G01",
                                   "\xEF\xBB\xBF(\xE3\x81\x82)",
                                   "(\xE3\x81)X\xFF",
                                   "\xEF\xBB\xBF\xFF"};
    for (const std::string& bytes : samples) {
        for (const TextEncoding encoding : {TextEncoding::Cp932, TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
            bool repaired = false;
            bool repairedOwned = true;
            const std::string decoded = codec.decode(bytes, encoding, &repaired);
            EXPECT_EQ(codec.decodeOwned(bytes, encoding, &repairedOwned), decoded) << bytes;
            EXPECT_EQ(repairedOwned, repaired) << bytes;
        }
    }
}

TEST(TextCodecEncode, KeepsTheEncoding) {
    const TinyCp932 codec;
    EXPECT_EQ(codec.encode("(あ)\r\n", TextEncoding::Cp932).bytes, "(\x82\xA0)\r\n");
    EXPECT_EQ(codec.encode("(あ)\r\n", TextEncoding::Utf8).bytes, "(あ)\r\n");
    EXPECT_EQ(codec.encode("(あ)\r\n", TextEncoding::Utf8Bom).bytes, "\xEF\xBB\xBF(あ)\r\n");
    EXPECT_EQ(codec.encode("", TextEncoding::Utf8Bom).bytes, "\xEF\xBB\xBF");
    const std::string controls("\x1A\x1C\x7F\\\0", 5);
    EXPECT_EQ(codec.encode(controls, TextEncoding::Cp932).bytes, controls);
}

TEST(TextCodecEncode, FirstUnrepresentableCharacterAndItsLine) {
    const TinyCp932 codec;
    const EncodeResult r = codec.encode("G90\r\n(あ)\r\n(あ€ü)\r\n(ü)", TextEncoding::Cp932);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_EQ(r.unrepresentable->line, 3u);
    EXPECT_EQ(r.unrepresentable->character, "€");

    EXPECT_EQ(codec.encode("😀", TextEncoding::Cp932).unrepresentable->line, 1u);
    // Lines end as records do: CR LF, CR or LF.
    EXPECT_EQ(codec.encode("a\rb\nc\r\n\r\nü", TextEncoding::Cp932).unrepresentable->line, 5u);
    EXPECT_TRUE(codec.encode("(あ€)", TextEncoding::Utf8).ok());
}

TEST(TextCodecEncode, MalformedTextIsNamedAsReplacementCharacter) {
    const TinyCp932 codec;
    const EncodeResult r = codec.encode("ok\n\xFF", TextEncoding::Cp932);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.unrepresentable->line, 2u);
    EXPECT_EQ(r.unrepresentable->character, kFffd);
}

}  // namespace
}  // namespace orca
