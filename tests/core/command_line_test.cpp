#include "app/command_line.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "app/app_identity.h"
#include "app/command_line_help.h"
#include "app/settings_file.h"
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

using Action = CommandLine::Action;

// Before "--" help and version win over everything, also over a command and
// a wrong option; after it they are file names like any other.
TEST(ParseCommandLine, HelpAndVersionWinBeforeTheDoubleDash) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--help"},
                                               {"-h"},
                                               {"a.nc", "--help"},
                                               {"--render", "a.nc", "a.png", "-h"},
                                               {"--bogus", "--help"}}) {
        EXPECT_EQ(ParseCommandLine(args).action, Action::Help) << args.back();
    }
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);
    EXPECT_EQ(ParseCommandLine({"--dump", "a.nc", "--version"}).action, Action::Version);
    EXPECT_EQ(ParseCommandLine({"--version", "--help"}).action, Action::Version) << "the first one asked";

    const CommandLine file = ParseCommandLine({"--", "--help"});
    EXPECT_EQ(file.action, Action::Window);
    EXPECT_EQ(file.files, std::vector<std::string>{"--help"});
}

TEST(ParseCommandLine, RenderOrDumpBeforeTheDoubleDashIsHeadless) {
    EXPECT_EQ(ParseCommandLine({"--dump", "a.nc"}).action, Action::Headless);
    EXPECT_EQ(ParseCommandLine({"--grid", "10", "--render", "a.nc", "a.png"}).action, Action::Headless);
    // A wrong headless command line is the headless command's to report.
    EXPECT_EQ(ParseCommandLine({"--render", "a.nc", "--bogus"}).action, Action::Headless);
    const CommandLine file = ParseCommandLine({"--", "--dump"});
    EXPECT_EQ(file.action, Action::Window);
    EXPECT_EQ(file.files, std::vector<std::string>{"--dump"});
}

// Plain arguments still make one name the old way: joined, quotes removed.
TEST(ParseCommandLine, WindowFilesKeepTheirOrderAndTheOldJoin) {
    const CommandLine line = ParseCommandLine({"\"my", "part\".nc", "-", "--", "-old.nc", "--"});
    EXPECT_EQ(line.action, Action::Window);
    EXPECT_TRUE(line.qtOptions.empty());
    EXPECT_EQ(line.files, (std::vector<std::string>{"\"my", "part\".nc", "-", "-old.nc", "--"}));
    EXPECT_EQ(CommandLinePath(line.files), "my part.nc - -old.nc --");
    EXPECT_EQ(CommandLinePath(ParseCommandLine({"--", "-a.nc"}).files), "-a.nc");
    EXPECT_FALSE(CommandLinePath(ParseCommandLine({}).files).has_value());
}

// A desktop session restarts the program with "-session ID"; -platform and
// -style pick a backend and a look. They reach Qt with their values, and a
// value never becomes the file.
TEST(ParseCommandLine, QtOptionsGoToQtWithTheirValues) {
    const CommandLine line = ParseCommandLine({"-platform", "offscreen", "a.nc", "-reverse", "-style=Fusion",
                                               "-qwindowtitle", "b.nc", "-session", "1_2"});
    EXPECT_EQ(line.action, Action::Window);
    EXPECT_EQ(line.qtOptions, (std::vector<std::string>{"-platform", "offscreen", "-reverse", "-style=Fusion",
                                                        "-qwindowtitle", "b.nc", "-session", "1_2"}));
    EXPECT_EQ(line.files, std::vector<std::string>{"a.nc"});
    // After "--" they are file names, which Qt never sees.
    const CommandLine files = ParseCommandLine({"--", "-platform", "x"});
    EXPECT_TRUE(files.qtOptions.empty());
    EXPECT_EQ(files.files, (std::vector<std::string>{"-platform", "x"}));
}

TEST(ParseCommandLine, AnyOtherOptionIsWrongAndNamed) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"-x.nc"}, {"a.nc", "--colour"}, {"--platform", "xcb"}, {"-style"}, {"-h2"}}) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.action, Action::Wrong) << args.back();
        EXPECT_NE(line.error.find(args.back() == "xcb" ? "--platform" : args.back()), std::string::npos)
            << line.error;
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
        EXPECT_TRUE(line.files.empty());
    }
}

TEST(CommandLineHelp, FitsATerminalAndNamesThisRunsSettingsFile) {
    const std::string help = UsageText("/home/u/.config/OrcaNCEditor/OrcaＮＣEditor.ini");
    EXPECT_TRUE(help.starts_with("Usage: orca-nc-editor ")) << help;
    EXPECT_NE(help.find("\n  /home/u/.config/OrcaNCEditor/OrcaＮＣEditor.ini\n"), std::string::npos);
    EXPECT_NE(help.find(std::string(kSettingsFileName)), std::string::npos);
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(Utf8CharCount(line), 79u) << line;
    }
    EXPECT_TRUE(help.ends_with(" 2  if the command line is wrong.\n"));
}

// The About box and --version show the one version number.
TEST(CommandLineHelp, VersionAndWrongUsageReports) {
    EXPECT_TRUE(std::regex_match(std::string(VersionNumber()), std::regex(R"(\d+\.\d+\.\d+)")))
        << VersionNumber();
    const std::string version = VersionReport();
    EXPECT_TRUE(version.starts_with("orca-nc-editor (OrcaＮＣEditor) " + std::string(VersionNumber()) + "\n"))
        << version;
    EXPECT_EQ(VersionText(), "ﾊﾞｰｼﾞｮﾝ " + std::string(VersionNumber()));
    EXPECT_EQ(WrongUsageReport("unknown option --x"),
              "orca-nc-editor: unknown option --x\nTry 'orca-nc-editor --help' for more information.\n");
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
}

}  // namespace
}  // namespace orca
