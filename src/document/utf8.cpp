#include "document/utf8.h"

#include <cstdint>
#include <cstring>

namespace orca {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Skips whole 8-byte blocks of ASCII from `i`.
std::size_t skipAsciiBlocks(std::string_view bytes, std::size_t i) {
    while (i + 8 <= bytes.size()) {
        std::uint64_t block;
        std::memcpy(&block, bytes.data() + i, 8);
        if (block & kHighBits) break;
        i += 8;
    }
    return i;
}

enum class Step { Char, Invalid, Cut };

struct Range {
    unsigned char low, high;
};

// Classifies the character starting at bytes[i]; `length` gets its length.
Step step(std::string_view bytes, std::size_t i, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    constexpr Range kTail{0x80, 0xBF};
    Range second = kTail;
    if (lead < 0x80) {
        length = 1;
        return Step::Char;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) second = {0xA0, 0xBF};  // overlong below
        if (lead == 0xED) second = {0x80, 0x9F};  // surrogates above
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) second = {0x90, 0xBF};  // overlong below
        if (lead == 0xF4) second = {0x80, 0x8F};  // beyond U+10FFFF above
    } else {
        return Step::Invalid;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (i + k >= bytes.size()) return Step::Cut;
        const auto b = static_cast<unsigned char>(bytes[i + k]);
        const Range r = k == 1 ? second : kTail;
        if (b < r.low || b > r.high) return Step::Invalid;
    }
    return Step::Char;
}

}  // namespace

std::size_t AsciiSpan(std::string_view bytes) {
    std::size_t i = skipAsciiBlocks(bytes, 0);
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    return i;
}

std::size_t Utf8CharLength(std::string_view bytes) {
    std::size_t length = 0;
    return !bytes.empty() && step(bytes, 0, length) == Step::Char ? length : 0;
}

Utf8Check CheckUtf8(std::string_view bytes, bool cutEndAllowed) {
    Utf8Check check;
    std::size_t i = 0;
    while (i < bytes.size()) {
        i = skipAsciiBlocks(bytes, i);
        if (i >= bytes.size()) break;
        std::size_t length = 0;
        const Step s = step(bytes, i, length);
        if (s == Step::Cut && cutEndAllowed) return check;
        if (s != Step::Char) return {false, check.multiByte};
        check.multiByte = check.multiByte || length > 1;
        i += length;
    }
    return check;
}

bool AppendUtf8Repaired(std::string_view bytes, std::string& out) {
    bool replaced = false;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        std::size_t length = 0;
        while (i < bytes.size()) {
            i = skipAsciiBlocks(bytes, i);
            if (i >= bytes.size() || step(bytes, i, length) != Step::Char) break;
            i += length;
        }
        out.append(bytes.substr(start, i - start));
        if (i < bytes.size()) {
            out.append(kReplacementChar);
            replaced = true;
            ++i;
        }
    }
    return replaced;
}

}  // namespace orca
