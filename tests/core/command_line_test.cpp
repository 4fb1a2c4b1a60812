#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/app_identity.h"
#include "document/document_path.h"

namespace orca {
namespace {

TEST(CommandLinePath, NothingWhenNoArgumentIsGiven) { EXPECT_FALSE(CommandLinePath({}).has_value()); }

TEST(CommandLinePath, EveryDoubleQuoteIsRemovedWhereverItStands) {
    EXPECT_EQ(CommandLinePath({"\"/tmp/my programs/a.nc\""}), "/tmp/my programs/a.nc");
    EXPECT_EQ(CommandLinePath({"/tmp/a\"b\".nc"}), "/tmp/ab.nc");
}

TEST(CommandLinePath, TwoFilesAreOnePathWithABlank) {
    EXPECT_EQ(CommandLinePath({"a.nc", "b.nc"}), "a.nc b.nc");
}

TEST(CommandLinePath, CutToTheFirst256CharactersNotBytes) {
    std::string longPath = "/";
    for (int i = 0; i < 300; ++i) longPath += "あ";
    const auto path = CommandLinePath({longPath});
    ASSERT_TRUE(path);
    EXPECT_EQ(path->size(), 1 + 255 * 3u);
}

TEST(DocumentPathOf, TrimsBlanksAfterTheCut) {
    EXPECT_EQ(DocumentPathOf("  /tmp/a.nc  "), "/tmp/a.nc");
    EXPECT_EQ(DocumentPathOf(std::string(250, 'x') + "      yz"), std::string(250, 'x'));
    EXPECT_EQ(DocumentPathOf(""), "");
}

TEST(Captions, OpenUsesBracketsTheOtherRoutesTwoBlanks) {
    EXPECT_EQ(CaptionBracketed("/a b/c.nc"), "OrcaＮＣEditor-NC簡易エディター【/a b/c.nc】");
    EXPECT_EQ(CaptionSpaced("/a b/c.nc"), "OrcaＮＣEditor-NC簡易エディター  /a b/c.nc");
    EXPECT_EQ(VersionText(), "ﾊﾞｰｼﾞｮﾝ 1.1.0");
}

}  // namespace
}  // namespace orca
