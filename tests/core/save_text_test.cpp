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
    const EncodeResult r = SaveBytes("", TextEncoding::Cp932, codec);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.bytes, "\r\n");
}

TEST(SaveBytes, TextEndingInALineBreakGetsASecondOne) {
    const OneKanaCodec codec;
    EXPECT_EQ(SaveBytes("G90\r\nG00 X1.\r\n", TextEncoding::Cp932, codec).bytes, "G90\r\nG00 X1.\r\n\r\n");
}

TEST(SaveBytes, KeepsTheLoadedEncoding) {
    const OneKanaCodec codec;
    EXPECT_EQ(SaveBytes("(あ)", TextEncoding::Cp932, codec).bytes, "(\x82\xA0)\r\n");
    EXPECT_EQ(SaveBytes("(あ)", TextEncoding::Utf8, codec).bytes, "(あ)\r\n");
    EXPECT_EQ(SaveBytes("(あ)", TextEncoding::Utf8Bom, codec).bytes, "\xEF\xBB\xBF(あ)\r\n");
}

TEST(SaveBytes, UnrepresentableCharacterWritesNothingAndIsNamed) {
    const OneKanaCodec codec;
    const EncodeResult r = SaveBytes("G90\r\n(あ)\r\n(Ω)", TextEncoding::Cp932, codec);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.bytes.empty());
    EXPECT_EQ(r.unrepresentable->line, 3u);
    EXPECT_EQ(r.unrepresentable->character, "Ω");
    EXPECT_EQ(UnrepresentableMessage(*r.unrepresentable),
              "3行目の文字「Ω」はShift-JISで表せないため、保存できません。");
}

}  // namespace
}  // namespace orca
