#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace orca::fuzz {

// Each target takes arbitrary bytes and aborts (through a failed check) when
// the code under test breaks one of its promises. The fuzzers call them, and
// the regression test replays every input a fuzzer ever found.
// A broken promise: named on standard error, then the abort the fuzzer sees.
inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

void NumberAndWords(const std::uint8_t* data, std::size_t size);
void WholeProgramPasses(const std::uint8_t* data, std::size_t size);
void StandardWords(const std::uint8_t* data, std::size_t size);
void SettingsReader(const std::uint8_t* data, std::size_t size);
void ReadingAndDecoding(const std::uint8_t* data, std::size_t size);

}  // namespace orca::fuzz
