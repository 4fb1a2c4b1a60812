#include <gtest/gtest.h>

#include "fuzz_targets.h"
#include "replay.h"

using namespace orca::fuzz;

TEST(FuzzRegressions, ReadingAndDecoding) {
    const auto inputs = RegressionInputs("reading_decoding");
    EXPECT_FALSE(inputs.empty());
    for (const std::string& in : inputs) ReadingAndDecoding(Bytes(in), in.size());
}
