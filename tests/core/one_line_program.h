#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "program_generator.h"

namespace orca::test {

// A generated program with its comments and every line end taken out,
// `bytes` long: what a transfer that lost the line ends leaves. The
// tool-path pass works on all of it (there is no parenthesis to cut at).
inline std::string ProgramWithoutLineEnds(std::size_t bytes) {
    ProgramOptions options;
    options.lines = 2000;
    options.crlf = false;
    std::string block;
    bool inComment = false;
    for (char c : GenerateProgram(options)) {
        inComment = (inComment || c == '(') && c != ')';
        if (!inComment && c != ')' && c != '\n') block += c;
    }
    std::string text;
    text.reserve(bytes);
    while (text.size() < bytes) text.append(block, 0, std::min(block.size(), bytes - text.size()));
    return text;
}

}  // namespace orca::test
