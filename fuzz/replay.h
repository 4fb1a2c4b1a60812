#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orca::fuzz {

// Every input kept for a fuzz target (one file each), for replaying in tests.
inline std::vector<std::string> RegressionInputs(const std::string& target) {
    std::vector<std::string> inputs;
    const std::filesystem::path dir = std::filesystem::path(ORCA_FUZZ_REGRESSIONS) / target;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return inputs;
}

inline const std::uint8_t* Bytes(const std::string& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

}  // namespace orca::fuzz
