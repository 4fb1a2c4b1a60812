#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/app_identity.h"
#include "document/document_state.h"
#include "document/recent_caption.h"
#include "nc/crlf_lines.h"

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

// A path is used exactly as given: no length limit, no blanks trimmed.
TEST(CommandLinePath, LongPathsAndBlanksAreKept) {
    std::string longPath = "/";
    for (int i = 0; i < 300; ++i) longPath += "あ";
    EXPECT_EQ(CommandLinePath({longPath}), longPath);
    EXPECT_EQ(CommandLinePath({" x.nc "}), " x.nc ");
}

TEST(RecentEntryCaption, ShortPathsShowWholeLongOnesTheirStartAndEnd) {
    EXPECT_EQ(RecentEntryCaption("/a&b/c.nc"), "/a&b/c.nc");
    const std::string exact(kRecentCaptionChars, 'x');
    EXPECT_EQ(RecentEntryCaption(exact), exact);
    std::string longPath = "/";
    for (int i = 0; i < 200; ++i) longPath += "あ";
    longPath += "/part2.nc";
    const std::string shown = RecentEntryCaption(longPath);
    EXPECT_TRUE(shown.starts_with("/あ")) << shown;
    EXPECT_TRUE(shown.ends_with("あ/part2.nc")) << shown;
    EXPECT_NE(shown.find("…"), std::string::npos);
    EXPECT_EQ(Utf8CharCount(shown), kRecentCaptionChars);
}

TEST(Captions, OpenUsesBracketsTheOtherRoutesTwoBlanks) {
    EXPECT_EQ(CaptionBracketed("/a b/c.nc"), "OrcaＮＣEditor-NC簡易エディター【/a b/c.nc】");
    EXPECT_EQ(CaptionSpaced("/a b/c.nc"), "OrcaＮＣEditor-NC簡易エディター  /a b/c.nc");
    EXPECT_EQ(VersionText(), "ﾊﾞｰｼﾞｮﾝ 1.1.0");
}

}  // namespace
}  // namespace orca
