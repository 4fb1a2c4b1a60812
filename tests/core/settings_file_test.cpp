#include "app/settings_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <string>
#include <thread>
#include <tuple>

#include "scratch_dir.h"
#include "tiny_cp932.h"
#include "unprivileged_files.h"

namespace orca {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    test::ScratchDir dir;
    const test::TinyCp932 codec;
    SettingsFile settings{dir.file("OrcaＮＣEditor.ini"), codec};

    void store(std::string_view text) { dir.write("OrcaＮＣEditor.ini", text); }
    std::string stored() const { return test::ScratchDir::read(settings.path()); }
};

TEST_F(SettingsFileTest, MissingOrEmptyFileGivesTheDefaults) {
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(WindowStateRead(settings), 2);
        const EditorFontSetting font = FontRead_Sub(settings);
        EXPECT_EQ(font.name, "MS ゴシック");
        EXPECT_EQ(font.size, 10);
        EXPECT_FALSE(font.bold);
        EXPECT_FALSE(font.italic);
        const GridSetting grid = HouganRead_Sub(settings);
        EXPECT_TRUE(grid.flag);
        EXPECT_EQ(grid.width, 100);
        EXPECT_TRUE(HistoryList(settings).empty());
        store("");
    }
}

TEST_F(SettingsFileTest, NamesMatchWithoutCaseAndBlanksAreIgnored) {
    store("[font]\r\n  Name =  IPAGothic  \r\n\tsize\t=\t12\r\n[Hougan]\r\nwidth=5\r\n");
    EXPECT_EQ(settings.readString("FONT", "NAME", ""), "IPAGothic");
    EXPECT_EQ(FontRead_Sub(settings).size, 12);
    EXPECT_EQ(HouganRead_Sub(settings).width, 5);
    EXPECT_EQ(settings.readString("[FONT]", "NAME", "none"), "none");
}

TEST_F(SettingsFileTest, EveryReadSeesTheFileAsItIsNow) {
    store("[WINDOW]\nSTATE=0\n");
    EXPECT_EQ(WindowStateRead(settings), 0);
    store("[WINDOW]\nSTATE=1\n");
    EXPECT_EQ(WindowStateRead(settings), 1);
}

TEST_F(SettingsFileTest, BooleansAreTrueUnlessExactlyFalse) {
    store("[FONT]\nBOLD=false\nITALIC=False\n[HOUGAN]\nFLAG=\n");
    const EditorFontSetting font = FontRead_Sub(settings);
    EXPECT_TRUE(font.bold) << "lower-case false reads as bold";
    EXPECT_FALSE(font.italic);
    EXPECT_TRUE(HouganRead_Sub(settings).flag) << "an empty value is true";
    store("[HOUGAN]\nFLAG=1\n");
    EXPECT_TRUE(HouganRead_Sub(settings).flag);
    store("[HOUGAN]\nFLAG=  False \n");
    EXPECT_FALSE(HouganRead_Sub(settings).flag) << "blanks around the value are not part of it";
}

TEST_F(SettingsFileTest, NumbersFollowTheNumberRule) {
    const std::pair<std::string, int> cases[] = {
        {"12.5", 12}, {"13.5", 14}, {"50abc", 50},    {"abc", 0},         {"", 0}, {"-7", -7}, {"&H10", 16},
        {"1E2", 100}, {"2 5", 25},  {"32767", 32767}, {"-32768", -32768},
    };
    for (const auto& [text, expected] : cases) {
        store("[HOUGAN]\nWIDTH=" + text + "\n");
        EXPECT_EQ(HouganRead_Sub(settings).width, expected) << text;
    }
}

TEST_F(SettingsFileTest, NumberBeyondSixteenBitsGivesTheDefault) {
    for (const char* text : {"99999", "32768", "-32769", "1E400"}) {
        store(std::string("[FONT]\nSIZE=") + text + "\n[HOUGAN]\nWIDTH=" + text + "\n");
        EXPECT_EQ(FontRead_Sub(settings).size, 10) << text;
        EXPECT_EQ(HouganRead_Sub(settings).width, 100) << text;
    }
}

TEST_F(SettingsFileTest, WindowStateTakesLeadingDigitsOnly) {
    const std::pair<std::string, int> cases[] = {
        {"7", 7}, {"0", 0},  {"2x", 2},  {"x2", 0},
        {"", 0},  {"-1", 0}, {"1.9", 1}, {"99999999999", 2147483647}};
    for (const auto& [text, expected] : cases) {
        store("[WINDOW]\nSTATE=" + text + "\n");
        EXPECT_EQ(WindowStateRead(settings), expected) << text;
    }
}

TEST_F(SettingsFileTest, ValuesAreReadWhole) {
    store("[FONT]\nNAME=" + std::string(300, 'a') + "\n");
    EXPECT_EQ(FontRead_Sub(settings).name, std::string(300, 'a'));
    store("[HOUGAN]\nWIDTH=" + std::string(254, ' ') + "12\nFLAG=" + std::string(254, 'x') + "False\n");
    EXPECT_EQ(HouganRead_Sub(settings).width, 12) << "leading blanks are not part of the value";
    EXPECT_TRUE(HouganRead_Sub(settings).flag) << "only exactly \"False\" is false";
    store("[HOUGAN]\nWIDTH=" + std::string(300, '0') + "25\n");
    EXPECT_EQ(HouganRead_Sub(settings).width, 25);
}

TEST_F(SettingsFileTest, GarbageIsSurvived) {
    std::string garbage("\0\xFF\x01[=]\n===\n[\n]\nno equals sign\n", 29);
    garbage += std::string(900 * 1024, 'z') + "\n";
    garbage += "[HISTORY]\n01=/first\n01=/second\n02 = \n03=/third\n[HISTORY]\n01=/other\n";
    store(garbage);
    EXPECT_EQ(HistoryList(settings), std::vector<std::string>{"/first"})
        << "first key wins; empty ends the list";
    EXPECT_EQ(WindowStateRead(settings), 2);

    ASSERT_TRUE(WindowStateWrite(settings, 0));
    EXPECT_EQ(WindowStateRead(settings), 0);
    const std::string after = stored();
    EXPECT_EQ(after.substr(0, garbage.size()), garbage) << "the rest of the file is kept byte for byte";
}

TEST_F(SettingsFileTest, KeysBeforeAnySectionBelongToNone) {
    store("STATE=1\n[WINDOW]\n");
    EXPECT_EQ(WindowStateRead(settings), 2);
}

TEST_F(SettingsFileTest, WriteCreatesFileWithUpperCaseNames) {
    ASSERT_TRUE(FontWrite_Sub(settings, {"IPAGothic", 12, true, false}));
    EXPECT_EQ(stored(), "[FONT]\nNAME=IPAGothic\nSIZE=12\nBOLD=True\nITALIC=False\n");
    ASSERT_TRUE(HouganWrite_Sub(settings, {false, -5}));
    EXPECT_EQ(stored(),
              "[FONT]\nNAME=IPAGothic\nSIZE=12\nBOLD=True\nITALIC=False\n[HOUGAN]\nFLAG=False\nWIDTH=-5\n");
    const GridSetting grid = HouganRead_Sub(settings);
    EXPECT_FALSE(grid.flag);
    EXPECT_EQ(grid.width, -5) << "a pitch of -5 is read as stored";
}

TEST_F(SettingsFileTest, WriteReplacesTheValueInPlaceOrAddsToTheSection) {
    store("; kept\r\n[window]\r\n state = 2 \r\nOTHER=x\r\n\r\n[FONT]\r\nNAME=a\r\n");
    ASSERT_TRUE(WindowStateWrite(settings, 0));
    EXPECT_EQ(stored(), "; kept\r\n[window]\r\nSTATE=0\r\nOTHER=x\r\n\r\n[FONT]\r\nNAME=a\r\n");
    ASSERT_TRUE(FontWrite_Sub(settings, {"b", 9, false, true}));
    EXPECT_EQ(stored(),
              "; "
              "kept\r\n[window]\r\nSTATE=0\r\nOTHER=x\r\n\r\n[FONT]\r\nNAME=b\r\nSIZE=9\r\nBOLD="
              "False\r\nITALIC=True\r\n");
}

TEST_F(SettingsFileTest, WriteAfterALastLineWithoutLineEnd) {
    store("[WINDOW]\nOTHER=1");
    ASSERT_TRUE(WindowStateWrite(settings, 2));
    EXPECT_EQ(stored(), "[WINDOW]\nOTHER=1\nSTATE=2");
    store("[WINDOW]");
    ASSERT_TRUE(HouganWrite_Sub(settings, {}));
    EXPECT_EQ(stored(), "[WINDOW]\n[HOUGAN]\nFLAG=True\nWIDTH=100\n");
}

TEST_F(SettingsFileTest, ValuesThatWouldBreakTheFileAreRefused) {
    store("[HISTORY]\n01=/a\n");
    EXPECT_FALSE(HistoryWrite_Sub(settings, "/b\n02=/injected"));
    EXPECT_FALSE(settings.writeString("HISTORY", "0=1", "x"));
    EXPECT_FALSE(settings.writeString("A]B", "K", "x"));
    EXPECT_EQ(stored(), "[HISTORY]\n01=/a\n");
}

TEST_F(SettingsFileTest, FailedWriteIsSilentAndLeavesEverythingAsItWas) {
    const std::string plain = dir.write("plain", "not a folder");
    SettingsFile underAFile(plain + "/x.ini", codec);
    EXPECT_FALSE(WindowStateWrite(underAFile, 0));
    EXPECT_EQ(WindowStateRead(underAFile), 2);
    EXPECT_EQ(test::ScratchDir::read(plain), "not a folder");

    const std::string folder = dir.file("folder.ini");
    std::filesystem::create_directory(folder);
    SettingsFile aFolder(folder, codec);
    EXPECT_FALSE(WindowStateWrite(aFolder, 0));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2)
        << "no temporary file left";
}

TEST_F(SettingsFileTest, ReadOnlyFileIsNotReplaced) {
    store("[WINDOW]\nSTATE=0\n");
    ::chmod(settings.path().c_str(), 0444);
    // Root may write any file: the write is tried as an ordinary user, in a
    // folder that user may write.
    ::chmod(dir.path().c_str(), 0777);
    test::UnprivilegedFiles asUser;
    ASSERT_TRUE(asUser.active());
    EXPECT_FALSE(WindowStateWrite(settings, 2));
    EXPECT_EQ(WindowStateRead(settings), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file";
}

TEST_F(SettingsFileTest, WriteKeepsPermissionsAndCreatesTheFolder) {
    store("[WINDOW]\nSTATE=0\n");
    ::chmod(settings.path().c_str(), 0600);
    ASSERT_TRUE(WindowStateWrite(settings, 2));
    struct stat info {};
    ::stat(settings.path().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    SettingsFile nested(dir.file("config/OrcaNCEditor/OrcaＮＣEditor.ini"), codec);
    ASSERT_TRUE(WindowStateWrite(nested, 0));
    EXPECT_EQ(WindowStateRead(nested), 0);
}

TEST_F(SettingsFileTest, WriteGoesThroughALink) {
    const std::string real = dir.write("real.ini", "[WINDOW]\nSTATE=0\n");
    std::filesystem::create_symlink(real, settings.path());
    ASSERT_TRUE(WindowStateWrite(settings, 2));
    EXPECT_TRUE(std::filesystem::is_symlink(settings.path()));
    EXPECT_EQ(test::ScratchDir::read(real), "[WINDOW]\nSTATE=2\n");
}

// What other programs or users may leave at the settings path: each reads as
// an empty file and is neither written into nor replaced. Reading a device
// or a pipe might never end, and replacing a device node by a file (as root,
// even /dev/null) breaks whatever uses it.
TEST_F(SettingsFileTest, OnlyARegularFileWithinTheSizeCapIsReadOrReplaced) {
    namespace fs = std::filesystem;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string oversized = dir.write(
        "oversized.ini", "[WINDOW]\nSTATE=0\n" + std::string(SettingsFile::kMaxSettingsBytes, '#') + "\n");
    std::vector<std::string> paths = {fifo, oversized, dir.file("folder"), dir.file("link to a fifo"),
                                      dir.file("link to zero")};
    fs::create_directory(paths[2]);
    fs::create_symlink(fifo, paths[3]);
    fs::create_symlink("/dev/zero", paths[4]);
    // A node like /dev/null's, made here; only root may make one.
    if (::mknod(dir.file("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        paths.push_back(dir.file("device"));
    }
    const auto kind = [](const std::string& path) {
        struct stat link {
        }, target{};
        ::lstat(path.c_str(), &link);
        ::stat(path.c_str(), &target);
        return std::tuple(link.st_mode, target.st_mode, target.st_rdev, target.st_size);
    };
    for (const std::string& path : paths) {
        SettingsFile odd(path, codec);
        const auto before = kind(path);
        EXPECT_EQ(WindowStateRead(odd), 2) << path;
        EXPECT_TRUE(HistoryList(odd).empty()) << path;
        EXPECT_FALSE(WindowStateWrite(odd, 0)) << path;
        EXPECT_FALSE(HistoryWrite_Sub(odd, "/a.nc")) << path;
        EXPECT_EQ(kind(path), before) << path;
    }
    EXPECT_TRUE(test::ScratchDir::read(oversized).starts_with("[WINDOW]\nSTATE=0\n#"));
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), {})), paths.size())
        << "no temporary file left";
}

TEST_F(SettingsFileTest, AWriteThatWouldGrowTheFilePastTheCapIsRefused) {
    const std::string text = "[FONT]\nNAME=" + std::string(SettingsFile::kMaxSettingsBytes - 20, 'a') + "\n";
    store(text);
    EXPECT_EQ(FontRead_Sub(settings).name.size(), SettingsFile::kMaxSettingsBytes - 20);
    EXPECT_FALSE(HouganWrite_Sub(settings, {}));
    EXPECT_EQ(stored(), text);
}

// The Windows program keeps its settings in CP932, earlier versions of this
// one in UTF-8, and a file both have written holds values of each. (The
// tiny codec's CP932 has あ 82A0, ｱ B1 and ＼ 815F.)
TEST_F(SettingsFileTest, EachValueReadsAsUtf8WhenItIsAndAsCp932Otherwise) {
    store(
        "[FONT]\r\nNAME=\x82\xA0\xB1 \x81\x5F\r\nSIZE=12\r\nBOLD=True\r\n"
        "[HISTORY]\r\n01=/home/u/\x82\xA0.nc\r\n02=/home/u/加工/あ.nc\r\n03=/home/u/\x85\x40.nc\r\n");
    const EditorFontSetting font = FontRead_Sub(settings);
    EXPECT_EQ(font.name, "あｱ ＼");
    EXPECT_EQ(font.size, 12);
    EXPECT_TRUE(font.bold);
    EXPECT_EQ(HistoryList(settings),
              (std::vector<std::string>{"/home/u/あ.nc", "/home/u/加工/あ.nc",
                                        "/home/u/" + std::string(kReplacementChar) + ".nc"}))
        << "a CP932 code without a character reads as U+FFFD";
}

TEST_F(SettingsFileTest, AFileOfAnEarlierVersionReadsUnchanged) {
    store("[FONT]\nNAME=MS ゴシック\nSIZE=9\n[HISTORY]\n01=/home/u/加工/穴あけ.nc\n02=/home/u/a.nc\n");
    const EditorFontSetting font = FontRead_Sub(settings);
    EXPECT_EQ(font.name, "MS ゴシック");
    EXPECT_EQ(font.size, 9);
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/home/u/加工/穴あけ.nc", "/home/u/a.nc"}));
}

// CP932 as the Windows program writes it, unless CP932 cannot hold the
// value: then UTF-8, so that a path of any characters reads back unchanged.
TEST_F(SettingsFileTest, ValuesAreWrittenInCp932WhenItHoldsThemAndInUtf8Otherwise) {
    const std::pair<std::string, std::string> cases[] = {
        {"あｱ ＼", "\x82\xA0\xB1 \x81\x5F"},
        {"IPAGothic", "IPAGothic"},
        {"/home/u/ŝ.nc", "/home/u/ŝ.nc"},
        {"/home/u/あ😀.nc", "/home/u/あ😀.nc"},  // one character CP932 lacks keeps the whole value in UTF-8
    };
    for (const auto& [text, bytes] : cases) {
        ASSERT_TRUE(FontWrite_Sub(settings, {text, 10, false, false})) << text;
        EXPECT_EQ(stored(), "[FONT]\nNAME=" + bytes + "\nSIZE=10\nBOLD=False\nITALIC=False\n") << text;
        EXPECT_EQ(FontRead_Sub(settings).name, text);
    }
}

TEST_F(SettingsFileTest, RewritingOneKeyKeepsEveryOtherLineInItsEncoding) {
    const std::string before =
        "[WINDOW]\r\nNOTE=\x82\xA0 \x85\x40 \xFF\r\nSTATE=2\r\nNOTE2=あ\r\n[FONT]\r\nNAME=\x82\xA0\r\n";
    store(before);
    ASSERT_TRUE(WindowStateWrite(settings, 0));
    std::string after = before;
    after.replace(after.find("STATE=2"), 7, "STATE=0");
    EXPECT_EQ(stored(), after);
}

class HistoryTest : public SettingsFileTest {
protected:
    void add(std::initializer_list<std::string> paths) {
        for (const std::string& p : paths) HistoryWrite_Sub(settings, p);
    }
};

TEST_F(HistoryTest, NewestFirstAndTheSixthDropsTheOldest) {
    add({"/1.nc", "/2.nc", "/3.nc", "/4.nc", "/5.nc"});
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/5.nc", "/4.nc", "/3.nc", "/2.nc", "/1.nc"}));
    add({"/6.nc"});
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/6.nc", "/5.nc", "/4.nc", "/3.nc", "/2.nc"}));
    EXPECT_EQ(stored().find("/1.nc"), std::string::npos) << "gone from the file too";
}

TEST_F(HistoryTest, ListedPathKeepsItsPlaceAndNothingIsWritten) {
    add({"/1.nc", "/2.nc", "/3.nc"});
    const std::string before = stored();
    EXPECT_FALSE(HistoryWrite_Sub(settings, "/2.nc"));
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/3.nc", "/2.nc", "/1.nc"}));
    EXPECT_EQ(stored(), before);
}

TEST_F(HistoryTest, CompareIsCaseSensitive) {
    add({"/Work/A.nc", "/work/a.nc"});
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/work/a.nc", "/Work/A.nc"}));
}

TEST_F(HistoryTest, ListEndsAtTheFirstMissingKey) {
    store("[HISTORY]\n01=/a\n03=/c\n");
    EXPECT_EQ(HistoryList(settings), std::vector<std::string>{"/a"});
    add({"/b"});
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/b", "/a", "/c"}))
        << "key 03 is outside the list and stays as it was";
}

TEST_F(HistoryTest, PathsWithSpacesAmpersandsAndJapanese) {
    add({"/home/u/My Programs/a&b.nc", "/home/u/加工/穴あけ.nc"});
    EXPECT_EQ(HistoryList(settings),
              (std::vector<std::string>{"/home/u/加工/穴あけ.nc", "/home/u/My Programs/a&b.nc"}));
}

TEST_F(HistoryTest, LongJapanesePathIsKeptWholeAndListedOnce) {
    std::string path = "/home/u";
    for (int i = 0; i < 6; ++i) path += "/加工プログラム第二工程の穴あけと輪郭";
    path += ".nc";
    ASSERT_GT(path.size(), 254u);
    add({"/a.nc", path, "/b.nc", path});
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/b.nc", path, "/a.nc"}));
}

// A path listed in CP932 is the same path as its UTF-8 text. Moved down
// the list, every path is written as any value is.
TEST_F(HistoryTest, PathsCompareAsTextWhicheverEncodingStoresThem) {
    store("[HISTORY]\n01=/u/\x82\xA0.nc\n02=/u/ŝ.nc\n");
    EXPECT_FALSE(HistoryWrite_Sub(settings, "/u/あ.nc"));
    EXPECT_FALSE(HistoryWrite_Sub(settings, "/u/ŝ.nc"));
    add({"/u/b.nc"});
    EXPECT_EQ(stored(), "[HISTORY]\n01=/u/b.nc\n02=/u/\x82\xA0.nc\n03=/u/ŝ.nc\n");
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/u/b.nc", "/u/あ.nc", "/u/ŝ.nc"}));
}

// True when some process waits for a lock on `path` (a line "-> FLOCK" in
// /proc/locks naming its inode).
bool lockAwaited(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    const std::string inode = ":" + std::to_string(info.st_ino) + " ";
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        if (line.find("-> FLOCK") != std::string::npos && line.find(inode) != std::string::npos) return true;
    }
    return false;
}

// Another window sharing the settings file holds the folder's lock while it
// rewrites the file; a recent entry added meanwhile waits for it and keeps
// what it wrote.
TEST_F(HistoryTest, WriteWaitsForAnotherWriterAndKeepsItsEntries) {
    if (!std::ifstream("/proc/locks")) GTEST_SKIP() << "needs /proc/locks to see the write wait";
    add({"/old.nc"});
    const int folder = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(folder, LOCK_EX), 0);
    std::atomic<bool> done = false;
    std::thread writer([&] {
        HistoryWrite_Sub(settings, "/mine.nc");
        done = true;
    });
    while (!done && !lockAwaited(dir.path())) std::this_thread::yield();
    EXPECT_FALSE(done) << "wrote while another program was writing";
    store("[HISTORY]\n01=/theirs.nc\n02=/old.nc\n");
    ::close(folder);
    writer.join();
    EXPECT_EQ(HistoryList(settings), (std::vector<std::string>{"/mine.nc", "/theirs.nc", "/old.nc"}));
}

TEST(SettingsFilePath, PlaceRule) {
    SettingsPlace place;
    place.exeDir = "/opt/orca/bin";
    place.home = "/home/u";
    place.exeDirWritable = true;
    EXPECT_EQ(SettingsFilePath(place), "/opt/orca/bin/OrcaＮＣEditor.ini");

    place.exeDirWritable = false;
    EXPECT_EQ(SettingsFilePath(place), "/home/u/.config/OrcaNCEditor/OrcaＮＣEditor.ini");
    place.xdgConfigHome = "/xdg";
    EXPECT_EQ(SettingsFilePath(place), "/xdg/OrcaNCEditor/OrcaＮＣEditor.ini");
    place.xdgConfigHome = "relative/xdg";
    EXPECT_EQ(SettingsFilePath(place), "/home/u/.config/OrcaNCEditor/OrcaＮＣEditor.ini")
        << "relative is ignored";

    // A writable folder every user's programs are in (root's /usr/bin) is
    // not the place, however it is written.
    place.xdgConfigHome.clear();
    place.exeDirWritable = true;
    place.sharedProgramDirs = {"/usr/local/bin", "/usr/bin"};
    for (const char* dir : {"/usr/bin", "/usr/bin/", "/usr/./bin"}) {
        place.exeDir = dir;
        EXPECT_EQ(SettingsFilePath(place), "/home/u/.config/OrcaNCEditor/OrcaＮＣEditor.ini") << dir;
    }
    place.exeDir = "/usr/bin/orca";
    EXPECT_EQ(SettingsFilePath(place), "/usr/bin/orca/OrcaＮＣEditor.ini") << "a folder of its own";

    place.overridePath = "/tmp/test.ini";
    EXPECT_EQ(SettingsFilePath(place), "/tmp/test.ini");
}

TEST(SettingsFilePath, CurrentPlaceChecksTheFolder) {
    test::ScratchDir dir;
    EXPECT_TRUE(CurrentSettingsPlace(dir.path().string()).exeDirWritable);
    EXPECT_FALSE(CurrentSettingsPlace(dir.file("missing")).exeDirWritable);
    const std::vector<std::string> shared = CurrentSettingsPlace(dir.path().string()).sharedProgramDirs;
    EXPECT_NE(std::find(shared.begin(), shared.end(), "/usr/bin"), shared.end());
    EXPECT_FALSE(ExecutableDir().empty());
}

}  // namespace
}  // namespace orca
