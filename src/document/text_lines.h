#pragma once

#include <cstdint>
#include <string_view>

namespace orca {

// The records of file bytes as the loader splits them, and the longest
// one's length in bytes.
struct TextLines {
    std::uint64_t count = 0;
    std::uint64_t longest = 0;
};

// Counts records of bytes that come in pieces, as a read delivers them: a
// CR at the end of one piece and an LF at the start of the next are one
// line end.
class LineCounter {
public:
    void feed(std::string_view piece);
    TextLines lines() const;

private:
    std::uint64_t ends_ = 0;
    std::uint64_t longest_ = 0;
    std::uint64_t current_ = 0;  // bytes of the record not yet ended
    bool pendingCr_ = false;
};

TextLines CountLines(std::string_view bytes);

}  // namespace orca
