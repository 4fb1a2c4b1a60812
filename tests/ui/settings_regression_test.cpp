#include <gtest/gtest.h>

#include "fuzz_targets.h"
#include "replay.h"

using namespace orca::fuzz;

// The settings reader decodes with the program's CP932 codec, so its inputs
// are replayed here rather than with the other fuzz targets' in the core tests.
TEST(FuzzRegressions, SettingsReader) {
    const auto inputs = RegressionInputs("settings_reader");
    EXPECT_FALSE(inputs.empty());
    for (const std::string& in : inputs) SettingsReader(Bytes(in), in.size());
}
