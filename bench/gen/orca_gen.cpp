// orca_gen N OUT [--seed S] [--lf]: writes a synthetic N-line NC program.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "program_generator.h"

namespace {

bool readCount(const char* text, std::uint64_t& out) {
    const char* end = text + std::strlen(text);
    const auto [p, ec] = std::from_chars(text, end, out);
    return ec == std::errc() && p == end;
}

}  // namespace

int main(int argc, char** argv) {
    orca::ProgramOptions options;
    std::uint64_t lines = 0;
    if (argc < 3 || !readCount(argv[1], lines)) {
        std::fprintf(stderr, "usage: orca_gen N OUT [--seed S] [--lf]\n");
        return 2;
    }
    options.lines = lines;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lf") == 0) {
            options.crlf = false;
        } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc &&
                   readCount(argv[i + 1], options.seed)) {
            ++i;
        } else {
            std::fprintf(stderr, "orca_gen: bad option %s\n", argv[i]);
            return 2;
        }
    }
    const std::string text = orca::GenerateProgram(options);
    std::FILE* f = std::fopen(argv[2], "wb");
    if (f == nullptr || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "orca_gen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
