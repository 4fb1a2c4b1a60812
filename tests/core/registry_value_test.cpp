#include "app/registry_value.h"

#include <gtest/gtest.h>

namespace orca {
namespace {

using namespace std::string_literals;

TEST(RegistryValueText, StringIsCutAtItsFirstNul) {
    EXPECT_EQ(RegistryValueText(kRegString, "C:\\msinfo32.exe\0garbage"s), "C:\\msinfo32.exe");
    EXPECT_EQ(RegistryValueText(kRegString, ""), "");
}

TEST(RegistryValueText, NumberHexCodesLastByteFirstWithoutPadding) {
    EXPECT_EQ(RegistryValueText(kRegDword, "\x01\0\0\0"s), "1");
    EXPECT_EQ(RegistryValueText(kRegDword, "\x1A\0\0\0"s), "26");
    // Bytes 0x02 0x01: "&h" + "1" + "2" reads as 0x12, not 0x0102.
    EXPECT_EQ(RegistryValueText(kRegDword, "\x02\x01\0\0"s), "18");
    EXPECT_EQ(RegistryValueText(kRegDword, "\x10\x20\x30\x40"s), std::to_string(0x40302010));
}

TEST(RegistryValueText, NumberReadsAsSignedByItsDigitCount) {
    EXPECT_EQ(RegistryValueText(kRegDword, "\xFF\xFF\0\0"s), "-1");
    EXPECT_EQ(RegistryValueText(kRegDword, "\xFF\xFF\xFF\xFF"s), "-1");
    EXPECT_EQ(RegistryValueText(kRegDword, "\x01\x01\x01"s), "273");
    EXPECT_EQ(RegistryValueText(kRegDword, "\x10\x10\x10"s), "1052688");
    EXPECT_EQ(RegistryValueText(kRegDword, "\x80\x80\x80"s), "8421504");
}

TEST(RegistryValueText, NumberWhoseFirstByteIsZeroLeavesOnlyThePrefix) {
    EXPECT_EQ(RegistryValueText(kRegDword, "\0\0\0\x80"s), "&h");
}

TEST(RegistryValueText, OtherTypesGiveNothing) { EXPECT_EQ(RegistryValueText(3, "abc"), ""); }

}  // namespace
}  // namespace orca
