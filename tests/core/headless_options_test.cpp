#include "app/headless_options.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace orca {
namespace {

using Command = HeadlessOptions::Command;

TEST(HeadlessOptions, WithoutRenderOrDumpTheWindowStarts) {
    EXPECT_EQ(ParseHeadlessOptions({}).command, Command::None);
    const HeadlessOptions o = ParseHeadlessOptions({"part.nc", "--grid", "x"});
    EXPECT_EQ(o.command, Command::None);
    EXPECT_TRUE(o.error.empty());
}

TEST(HeadlessOptions, RenderTakesFileOutAndOptionsInAnyOrder) {
    const HeadlessOptions d = ParseHeadlessOptions({"--render", "a.nc", "a.png"});
    EXPECT_TRUE(d.error.empty()) << d.error;
    EXPECT_EQ(d.command, Command::Render);
    EXPECT_EQ(d.file, "a.nc");
    EXPECT_EQ(d.out, "a.png");
    EXPECT_EQ(d.width, 1200);
    EXPECT_EQ(d.height, 800);
    EXPECT_FALSE(d.incremental);
    EXPECT_FALSE(d.gridPitch.has_value());

    const HeadlessOptions o =
        ParseHeadlessOptions({"--grid", "10", "--render", "a b.nc", "--inc", "out.png", "--size", "640x480"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.file, "a b.nc");
    EXPECT_EQ(o.out, "out.png");
    EXPECT_EQ(o.width, 640);
    EXPECT_EQ(o.height, 480);
    EXPECT_TRUE(o.incremental);
    EXPECT_EQ(o.gridPitch, 10);
}

TEST(HeadlessOptions, DumpHasItsOwnWindowDefault) {
    const HeadlessOptions d = ParseHeadlessOptions({"--dump", "a.nc"});
    EXPECT_TRUE(d.error.empty()) << d.error;
    EXPECT_EQ(d.command, Command::Dump);
    EXPECT_EQ(d.width, 9000);
    EXPECT_EQ(d.height, 6000);
    const HeadlessOptions w = ParseHeadlessOptions({"--dump", "a.nc", "--window", "4000x3000"});
    EXPECT_EQ(w.width, 4000);
    EXPECT_EQ(w.height, 3000);
    EXPECT_FALSE(w.dumpLines);
    EXPECT_TRUE(ParseHeadlessOptions({"--dump-lines", "--dump", "a.nc"}).dumpLines);
    // Only the dump prints line numbers.
    EXPECT_EQ(ParseHeadlessOptions({"--render", "a.nc", "a.png", "--dump-lines"}).error,
              "unknown option --dump-lines");
}

TEST(HeadlessOptions, RenderWritesOnlyToAPngName) {
    for (const std::string out : {"a.png", "A.PNG", "dir.nc/b.Png", ".png"}) {
        const HeadlessOptions o = ParseHeadlessOptions({"--render", "a.nc", out});
        EXPECT_TRUE(o.error.empty()) << out << ": " << o.error;
        EXPECT_EQ(o.out, out);
    }
    // The program given as the picture, the two swapped, a device, no name.
    for (const auto& [file, out] : std::vector<std::pair<std::string, std::string>>{{"prog.nc", "prog.nc"},
                                                                                    {"old.png", "prog.nc"},
                                                                                    {"a.nc", "/dev/full"},
                                                                                    {"a.nc", "png"},
                                                                                    {"a.nc", "a.png.nc"},
                                                                                    {"a.nc", "a.png "}}) {
        const HeadlessOptions o = ParseHeadlessOptions({"--render", file, out});
        EXPECT_NE(o.error.find("OUT must end in .png"), std::string::npos) << out;
    }
}

// After "--" everything is a name: a program or picture beginning with '-',
// or one named like an option.
TEST(HeadlessOptions, AfterTheDoubleDashEveryArgumentIsAName) {
    const HeadlessOptions o = ParseHeadlessOptions({"--render", "--grid", "5", "--", "-a.nc", "--inc.png"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.file, "-a.nc");
    EXPECT_EQ(o.out, "--inc.png");
    EXPECT_FALSE(o.incremental);
    EXPECT_EQ(o.gridPitch, 5);

    const HeadlessOptions d = ParseHeadlessOptions({"--dump", "--", "--render"});
    EXPECT_EQ(d.command, Command::Dump);
    EXPECT_TRUE(d.error.empty()) << d.error;
    EXPECT_EQ(d.file, "--render");
    EXPECT_EQ(ParseHeadlessOptions({"--", "--dump", "a.nc"}).command, Command::None);
    EXPECT_FALSE(ParseHeadlessOptions({"--dump", "a.nc", "--", "b.nc"}).error.empty()) << "one FILE only";
}

TEST(HeadlessOptions, BadCommandLinesSayWhatIsWrong) {
    const std::vector<std::vector<std::string>> bad = {
        {"--render", "a.nc"},                                  // no OUT
        {"--dump"},                                            // no FILE
        {"--dump", "a.nc", "--size", "10x10"},                 // --size is for --render
        {"--render", "a.nc", "a.png", "--window", "10x10"},    // --window is for --dump
        {"--render", "a.nc", "a.png", "--size", "1200"},       // not WxH
        {"--render", "a.nc", "a.png", "--size", "0x800"},      // empty image
        {"--render", "a.nc", "a.png", "--size", "99999x800"},  // too large an image
        {"--dump", "a.nc", "--grid", "2.5"},                   // not whole
        {"--dump", "a.nc", "--grid", "0"},                     // no pitch
        {"--dump", "a.nc", "--colour"},                        // unknown
        {"--dump", "a.nc", "--render", "b.png"},               // two commands
    };
    for (const auto& args : bad) {
        const HeadlessOptions o = ParseHeadlessOptions(args);
        EXPECT_NE(o.command, Command::None);
        EXPECT_FALSE(o.error.empty()) << args.back();
        EXPECT_EQ(o.error.find('\n'), std::string::npos);
    }
    EXPECT_NE(ParseHeadlessOptions({"--dump", "a.nc", "--colour"}).error.find("--colour"), std::string::npos);
}

}  // namespace
}  // namespace orca

namespace orca {

TEST(HeadlessOptions, StandardReadingAndHoleRadius) {
    const HeadlessOptions plain = ParseHeadlessOptions({"--dump", "a.nc"});
    EXPECT_FALSE(plain.standardReading);
    EXPECT_EQ(plain.holeRadius, 3);
    const HeadlessOptions o =
        ParseHeadlessOptions({"--render", "a.nc", "--hole", "0.125", "b.png", "--standard"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_TRUE(o.standardReading);
    EXPECT_EQ(o.holeRadius, 0.125);
    EXPECT_EQ(o.out, "b.png");
    for (const char* bad : {"0", "-1", "1.2345", "x"}) {
        EXPECT_NE(ParseHeadlessOptions({"--dump", "a.nc", "--hole", bad}).error.find("--hole"),
                  std::string::npos)
            << bad;
    }
    EXPECT_FALSE(ParseHeadlessOptions({"--dump", "a.nc", "--hole"}).error.empty());
}

}  // namespace orca
