#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orca {

struct ProgramOptions {
    std::size_t lines = 1000;  // exact number of lines written
    std::uint64_t seed = 1;
    bool crlf = true;  // CR LF line ends, else LF
};

// A synthetic Fanuc-style milling program: rapids, feeds, arcs by I/J and by
// R (always a radius that can span the move), drilling cycles with repeated
// positions, comments and short incremental (G91) sections, inside a
// 200 x 150 work area. About 30 bytes a line; the same options always give
// the same text.
std::string GenerateProgram(const ProgramOptions& options);

}  // namespace orca
