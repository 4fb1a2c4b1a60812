#include "document/load_memory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/program_loading.h"
#include "document/text_lines.h"
#include "scratch_dir.h"

namespace orca {
namespace {

TEST(LoadMemory, NeedCountsBytesAndLinesAndSaturates) {
    EXPECT_EQ(LoadMemoryNeed({0, 0}), 0u);
    // The 10,000,000-line generated program: 322,558,904 bytes took 1.21 GB
    // in the window; a refusal of what would fit in 2.15 GB is a wrong one.
    const std::uint64_t tenMillion = LoadMemoryNeed({322558904, 10000001});
    EXPECT_GT(tenMillion, 1210000000u);
    EXPECT_LT(tenMillion, 2150000000u);
    // Five million 4-byte lines took 305 MB (a drawn segment and an editor line each).
    EXPECT_GT(LoadMemoryNeed({20000008, 5000002}), 305000000u);
    EXPECT_GT(LoadMemoryNeed({1000, 100}), LoadMemoryNeed({1000, 0}));
    EXPECT_EQ(LoadMemoryNeed({UINT64_MAX, UINT64_MAX}), UINT64_MAX);
}

TEST(LoadMemory, FitsUnlessTheNeedIsKnownToExceedWhatIsFree) {
    const LoadSize size{1000000, 10000};
    const std::uint64_t need = LoadMemoryNeed(size);
    EXPECT_TRUE(LoadFitsMemory(size, need));
    EXPECT_FALSE(LoadFitsMemory(size, need - 1));
    EXPECT_TRUE(LoadFitsMemory(size, std::nullopt)) << "no figure from the system: go ahead";
    EXPECT_FALSE(LoadFitsMemory({UINT64_MAX, 0}, UINT64_MAX - 1));
}

TEST(LoadMemory, LinesAreCountedWithTheLongest) {
    EXPECT_EQ(CountLines("").count, 0u);
    const TextLines lines = CountLines("a\r\nbbb\rcc\n\ndddd");
    EXPECT_EQ(lines.count, 5u);
    EXPECT_EQ(lines.longest, 4u) << "line ends not counted";
    EXPECT_EQ(CountLines(std::string(3000, 'x') + "\r\n").longest, 3000u);
}

TEST(LoadMemory, SizesAreWrittenForTheUser) {
    EXPECT_EQ(ByteSizeText(0), "0 バイト");
    EXPECT_EQ(ByteSizeText(1023), "1023 バイト");
    EXPECT_EQ(ByteSizeText(1536), "1.5 KB");
    EXPECT_EQ(ByteSizeText(322558904), "307.6 MB");
    EXPECT_EQ(ByteSizeText(3ull << 30), "3.0 GB");
    EXPECT_EQ(ByteSizeText(UINT64_MAX), "16.0 EB");
    EXPECT_EQ(LoadTooLargeMessage(322558904, 3ull << 30, 1ull << 30),
              "ファイルが大きすぎるため読み込めません（307.6 MB）。\r\n"
              "読み込みには約 3.0 GB のメモリが必要ですが、空きは 1.0 GB です。");
    EXPECT_EQ(
        LineTooLongMessage(104857600, 1 << 20),
        "ファイルに長すぎる行があるため読み込めません（最長の行 100.0 MB、表示できるのは 1.0 MB まで）。");
}

TEST(LoadMemory, LinesCountedPieceByPieceAsInOneGo) {
    const std::string text = "a\r\nbbb\rcc\n\ndddd\r";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        LineCounter counter;
        counter.feed(std::string_view(text).substr(0, cut));
        counter.feed(std::string_view(text).substr(cut));
        EXPECT_EQ(counter.lines().count, CountLines(text).count) << cut;
        EXPECT_EQ(counter.lines().longest, 4u) << cut;
    }
    LineCounter crLf;
    crLf.feed("x\r");
    crLf.feed("\n");
    crLf.feed("\n");
    EXPECT_EQ(crLf.lines().count, 2u) << "CR | LF is one line end";
}

class LoadMemoryGuardTest : public ::testing::Test {
protected:
    test::ScratchDir dir;

    static ProgramBytes read(const std::string& path, std::uint64_t available, std::uint64_t maxLine = 0) {
        return ReadProgramFile(path, {[available] { return available; }, maxLine});
    }
};

TEST_F(LoadMemoryGuardTest, FileTooLargeIsRefusedWithItsSize) {
    ASSERT_TRUE(read(dir.write("a.nc", "G01 X10. Y5.\n"), UINT64_MAX).ok());
    const ProgramBytes refused = read(dir.write("big.nc", std::string(2000, 'X')), 2000);
    EXPECT_FALSE(refused.openFailed);
    EXPECT_EQ(refused.error, LoadTooLargeMessage(2000, LoadMemoryNeed({2000, 0}), 2000));
    EXPECT_TRUE(refused.bytes.empty());
}

TEST_F(LoadMemoryGuardTest, ShortLinesAreRefusedOnceCounted) {
    std::string lines;
    for (int i = 0; i < 1000; ++i) lines += i % 2 ? "X1\n" : "X0\n";
    const std::uint64_t bytesOnly = LoadMemoryNeed({lines.size(), 0});
    const std::string path = dir.write("short.nc", lines);
    EXPECT_EQ(read(path, bytesOnly).error,
              LoadTooLargeMessage(lines.size(), LoadMemoryNeed({lines.size(), 1000}), bytesOnly));
    EXPECT_TRUE(read(path, LoadMemoryNeed({lines.size(), 1000})).ok());
}

TEST_F(LoadMemoryGuardTest, LineLongerThanTheCallerTakesIsRefused) {
    const std::string path = dir.write("long.nc", "G90\n" + std::string(2000, 'X') + "\nG01 X1.\n");
    EXPECT_EQ(read(path, UINT64_MAX, 1999).error, LineTooLongMessage(2000, 1999));
    EXPECT_TRUE(read(path, UINT64_MAX, 2000).ok());
}

}  // namespace
}  // namespace orca
