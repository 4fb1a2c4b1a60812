#include "nc/mode_detection.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "document/file_mode.h"
#include "document/text_encoding.h"
#include "scratch_dir.h"
#include "test_support.h"
#include "tiny_cp932.h"

namespace orca {
namespace {

TEST(AbsIncModeInText, FirstCodeMetDecides) {
    EXPECT_EQ(AbsIncModeInText("%\r\nO1000\r\nG90 G54 G00 X0 Y0\r\n"), 0);
    EXPECT_EQ(AbsIncModeInText("%\nG91 G28 Z0\nG90\n"), 1);
    EXPECT_EQ(AbsIncModeInText("G91 G90 X1.\r\n"), 0) << "G90 is tested first in a record";
    EXPECT_EQ(AbsIncModeInText("(ABS PROGRAM G90)\r\nG91\r\n"), 0) << "comments count";
    EXPECT_EQ(AbsIncModeInText("G900\r\n"), 0) << "G900 contains G90";
    EXPECT_EQ(AbsIncModeInText("G911\r\n"), 1);
}

TEST(AbsIncModeInText, UndecidedCases) {
    EXPECT_EQ(AbsIncModeInText(""), -1);
    EXPECT_EQ(AbsIncModeInText("%\r\nO1\r\nM30\r\n"), -1) << "three lines without either code";
    EXPECT_EQ(AbsIncModeInText("G0 X1\r\nG1 Y1\r\n"), -1) << "short forms never match";
    EXPECT_EQ(AbsIncModeInText("g90\r\ng91\r\n"), -1) << "case-sensitive";
    EXPECT_EQ(AbsIncModeInText("G9 0\r\nG\r\n90\r\n"), -1) << "split over blanks or lines";
}

TEST(AbsIncModeInText, OnlyTheFirstTenRecordsCount) {
    std::string nine, ten;
    for (int i = 0; i < 9; ++i) nine += "N" + std::to_string(i) + "\r\n";
    ten = nine + "\r\n";  // an empty line is a record too
    EXPECT_EQ(AbsIncModeInText(nine + "G91\r\n"), 1) << "tenth record";
    EXPECT_EQ(AbsIncModeInText(ten + "G90\r\n"), -1) << "eleventh record";
    // CR alone and LF alone end records as CR LF does.
    EXPECT_EQ(AbsIncModeInText("1\r2\n3\r\n4\r5\n6\r7\n8\r9\n10\rG90"), -1);
    EXPECT_EQ(AbsIncModeInText("1\r2\n3\r\n4\r5\n6\r7\n8\r9\nG90\r11"), 0);
}

class AbsIncModeBytes : public ::testing::Test {
protected:
    test::TinyCp932 codec;

    std::int16_t detect(std::string_view bytes) { return AbsIncModeInBytes(bytes, codec); }
};

TEST_F(AbsIncModeBytes, SearchesTheFirstTenRecords) {
    EXPECT_EQ(detect("%\r\nO1000\r\nG91 G00 X1.\r\n"), 1);
    EXPECT_EQ(detect("(ABS PROGRAM G90)"), 0) << "last line without a line end";
    EXPECT_EQ(detect(""), -1);
    EXPECT_EQ(detect("1\r2\n3\r\n4\r5\n6\r7\n8\r9\n10\rG90"), -1);
    EXPECT_EQ(detect("1\r2\n3\r\n4\r5\n6\r7\n8\r9\nG90\r11"), 0);
}

TEST_F(AbsIncModeBytes, SearchesDecodedTextNotBytes) {
    // 0x83 0x47 is one CP932 character whose trail byte reads as "G".
    EXPECT_EQ(detect("(\x83G90)\r\nG91\r\n"), 1);
    EXPECT_EQ(detect("(\xE7\xA9\xB4)G90\r\n"), 0) << "UTF-8 file";
}

TEST_F(AbsIncModeBytes, LongLines) {
    const std::string longComment = "(" + std::string(300000, 'C') + ")\r\n";
    std::string text;
    for (int i = 0; i < 9; ++i) text += longComment;
    EXPECT_EQ(detect(text + "G91\r\nG90\r\n"), 1);
    EXPECT_EQ(detect(text + longComment + "G91\r\n"), -1);
}

// Only the first ten records are decoded, but a character of the file's
// encoding after them still decides how they read: "あ" in UTF-8, read as
// CP932, would swallow the "G" of the first record.
TEST_F(AbsIncModeBytes, EncodingOfTheFirstRecordsIsTheFilesWhenTheyAreCut) {
    std::string text = "あG90\r\n";
    for (int i = 0; i < 9; ++i) text += "N1\r\n";
    EXPECT_EQ(detect(text + "(穴)\r\n"), 0);
}

TEST(AbsIncModeCorpus, RealProgramsAndTheirEncodings) {
    if (!std::filesystem::is_directory(ORCA_CORPUS_DIR)) GTEST_SKIP() << "no corpus at " ORCA_CORPUS_DIR;
    const test::TinyCp932 codec;
    const std::pair<const char*, int> modes[] = {
        {"haas_o78241_stepblock_steps.nc", 0},
        {"train_smiley.nc", 0},
        {"lcnc_trochoidal.ngc", 0},
        {"fadal_wiercenie_text.nc", -1},
        {"mc_Bottle_opener_top.NC", -1},
        {"lcnc_gmoccapy_2_tools_ccomp_de.ngc", -1},
    };
    for (const auto& [name, mode] : modes) {
        const std::string bytes = test::ScratchDir::read(std::string(ORCA_CORPUS_DIR) + "/" + name);
        EXPECT_EQ(AbsIncModeInBytes(bytes, codec), mode) << name;
    }

    for (const char* name : {"lcnc_gmoccapy_2_tools_ccomp_de.ngc", "rs274_cycles_lowercase_example3.gcode",
                             "tinyg_ReorderingWords.nc"}) {
        const std::string bytes = test::ScratchDir::read(std::string(ORCA_CORPUS_DIR) + "/" + name);
        EXPECT_EQ(DetectEncoding(bytes), TextEncoding::Utf8) << name;
        EXPECT_EQ(codec.decode(bytes, TextEncoding::Utf8), bytes) << name;
    }
}

}  // namespace
}  // namespace orca
