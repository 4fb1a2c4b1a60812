#include <gtest/gtest.h>

#include "fuzz_targets.h"
#include "replay.h"

using namespace orca::fuzz;

// Inputs the fuzzers found (or that were written for the edges they probe)
// must keep passing every check of their target.
TEST(FuzzRegressions, NumberAndWords) {
    const auto inputs = RegressionInputs("number_words");
    EXPECT_FALSE(inputs.empty());
    for (const std::string& in : inputs) NumberAndWords(Bytes(in), in.size());
}

TEST(FuzzRegressions, WholeProgramPasses) {
    const auto inputs = RegressionInputs("program_passes");
    EXPECT_FALSE(inputs.empty());
    for (const std::string& in : inputs) WholeProgramPasses(Bytes(in), in.size());
}

TEST(FuzzRegressions, StandardWords) {
    const auto inputs = RegressionInputs("standard_words");
    EXPECT_FALSE(inputs.empty());
    for (const std::string& in : inputs) StandardWords(Bytes(in), in.size());
}
