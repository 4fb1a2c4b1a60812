#include "document/save_text.h"

#include <gtest/gtest.h>

namespace orca {
namespace {

// CP932 knows only "あ" here; everything else outside ASCII has no code.
class OneKanaCodec : public TextCodec {
protected:
    void decodeCp932Run(std::string_view, std::string& out) const override { out += "あ"; }
    bool encodeCp932Run(std::string_view run, std::string& out) const override {
        for (std::size_t i = 0; i < run.size(); i += 3) {
            if (run.substr(i, 3) != "あ") return false;
            out += "\x82\xA0";
        }
        return true;
    }
};

TEST(SaveBytes, EmptyEditorWritesExactlyCrLf) {
    const OneKanaCodec codec;
    const EncodeResult r = SaveBytes("", TextEncoding::Cp932, false, codec);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.bytes, "\r\n");
}

// A loaded text ends with a line break, so a program saved unchanged keeps
// its bytes; only a last line without one gets CR LF.
TEST(SaveBytes, CrLfIsAddedOnlyWhereTheTextLacksALineEnd) {
    const OneKanaCodec codec;
    const std::pair<std::string, std::string> cases[] = {
        {"G90\r\nG00 X1.\r\n", "G90\r\nG00 X1.\r\n"},
        {"G90\r\nG00 X1.", "G90\r\nG00 X1.\r\n"},
        {"G90\r\n\r\n", "G90\r\n\r\n"},
        {"G90\n", "G90\n"},
        {"G90\r", "G90\r"},
        {"\r\n", "\r\n"},
    };
    for (const auto& [text, bytes] : cases) {
        for (const TextEncoding encoding : {TextEncoding::Cp932, TextEncoding::Utf8}) {
            EXPECT_EQ(SaveBytes(text, encoding, false, codec).bytes, bytes) << text;
        }
        EXPECT_EQ(SaveBytes(text, TextEncoding::Utf8Bom, false, codec).bytes, "\xEF\xBB\xBF" + bytes) << text;
    }
}

TEST(SaveBytes, KeepsTheLoadedEncoding) {
    const OneKanaCodec codec;
    EXPECT_EQ(SaveBytes("(あ)", TextEncoding::Cp932, false, codec).bytes, "(\x82\xA0)\r\n");
    EXPECT_EQ(SaveBytes("(あ)", TextEncoding::Utf8, false, codec).bytes, "(あ)\r\n");
    EXPECT_EQ(SaveBytes("(あ)", TextEncoding::Utf8Bom, false, codec).bytes, "\xEF\xBB\xBF(あ)\r\n");
}

TEST(SaveBytes, UnrepresentableCharacterWritesNothingAndIsNamed) {
    const OneKanaCodec codec;
    const EncodeResult r = SaveBytes("G90\r\n(あ)\r\n(Ω)", TextEncoding::Cp932, false, codec);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_EQ(r.unrepresentable->line, 3u);
    EXPECT_EQ(r.unrepresentable->character, "Ω");
    EXPECT_EQ(UnrepresentableMessage(*r.unrepresentable),
              "3行目の文字「Ω」はShift-JISで表せないため、保存できません。");
}

// A U+FFFD that stood for bytes of the file that were not UTF-8 would be
// written as itself, losing those bytes: the save is refused while the
// text holds one. A file without such bytes saves its own U+FFFD.
TEST(SaveBytes, ReplacedBytesOfAUtf8FileAreNotWrittenSilently) {
    const OneKanaCodec codec;
    const std::string text = "G90\r\n(あ)\r\n(\xEF\xBF\xBD)\r\n";
    for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
        const EncodeResult refused = SaveBytes(text, encoding, true, codec);
        ASSERT_FALSE(refused.ok());
        EXPECT_TRUE(refused.bytes.empty());
        EXPECT_EQ(UnrepresentableMessage(*refused.unrepresentable),
                  "3行目の文字「\xEF\xBF\xBD」はUTF-8として読めなかったため、保存できません。");
        EXPECT_TRUE(SaveBytes(text, encoding, false, codec).ok());
        EXPECT_TRUE(SaveBytes("G90\r\n(あ)\r\n()\r\n", encoding, true, codec).ok()) << "once removed";
    }
}

}  // namespace
}  // namespace orca
