#include "base/large_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

namespace {

// A large block is usable from end to end, and an allocation that cannot be
// had is reported as the language says, not handed out as null.
TEST(LargeBlocks, LargeBlocksHoldTheirBytesAndFailuresThrow) {
    std::vector<std::uint32_t> block((std::size_t{24} << 20) / sizeof(std::uint32_t));
    for (std::size_t i = 0; i < block.size(); i += 4096) block[i] = static_cast<std::uint32_t>(i);
    block.back() = 7;
    for (std::size_t i = 0; i < block.size() - 1; i += 4096) ASSERT_EQ(block[i], i);
    EXPECT_EQ(block.back(), 7u);

    std::string text(std::size_t{6} << 20, 'x');
    text += "tail";
    EXPECT_EQ(text.substr(text.size() - 5), "xtail");

    if (!orca::kOwnAllocator) GTEST_SKIP() << "the sanitizer's allocator stops at an impossible size";
    volatile std::size_t impossible = SIZE_MAX / 2;
    EXPECT_THROW(static_cast<void>(::operator new(impossible)), std::bad_alloc);
    EXPECT_EQ(::operator new(impossible, std::nothrow), nullptr);
    EXPECT_THROW(static_cast<void>(::operator new[](impossible)), std::bad_alloc);
}

}  // namespace
