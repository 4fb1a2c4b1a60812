#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orca {

// Splits editor text the way the draw driver hands it to the passes: the text
// gets a closing CR LF and every line keeps the CR LF that ends it, so an empty
// editor line is a line of just CR LF. A lone CR or LF stays inside its line.
// The text is not copied: it must outlive the splitter and the lines it gives,
// except the last, which the splitter holds with its closing CR LF.
class CrLfLines {
public:
    explicit CrLfLines(std::string_view text) : text_(text) {}

    // The next line with its CR LF; false after the last.
    bool next(std::string_view& line) {
        if (pos_ > text_.size()) return false;
        const std::size_t crlf = findCrLf();
        if (crlf == std::string_view::npos) {
            last_.assign(text_.substr(pos_));
            last_ += "\r\n";
            line = last_;
            pos_ = text_.size() + 1;
        } else {
            line = text_.substr(pos_, crlf + 2 - pos_);
            pos_ = crlf + 2;
        }
        lastLine_ = line;
        return true;
    }

    // The lone CRs and LFs inside the last line given: the editor breaks its
    // lines there too.
    std::size_t innerBreaks() const {
        return loneCrs_ + Count(lastLine_.substr(0, lastLine_.size() - 2), '\n');
    }

private:
    // The CR LF that ends the line at pos_, counting the lone CRs before it.
    std::size_t findCrLf() {
        loneCrs_ = 0;
        for (std::size_t from = pos_;; ++loneCrs_) {
            if (from >= text_.size()) return std::string_view::npos;
            const void* cr = std::memchr(text_.data() + from, '\r', text_.size() - from);
            if (!cr) return std::string_view::npos;
            const auto at = static_cast<std::size_t>(static_cast<const char*>(cr) - text_.data());
            if (at + 1 < text_.size() && text_[at + 1] == '\n') return at;
            from = at + 1;
        }
    }

    static std::size_t Count(std::string_view text, char c) {
        std::size_t n = 0;
        if (text.empty()) return n;
        for (const char *p = text.data(), *end = p + text.size();
             (p = static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)))) != nullptr;
             ++p)
            ++n;
        return n;
    }

    std::string_view text_;
    std::string last_;
    std::size_t pos_ = 0;
    std::string_view lastLine_;
    std::size_t loneCrs_ = 0;
};

// Characters (code points) in UTF-8 text: every byte that does not continue a
// sequence (10xxxxxx) starts a character. Eight bytes at a time: a byte
// continues a sequence when its top bit is set and the one below is not, and
// each byte of the sum counts up to 255 such bytes before the bytes are added
// up in pairs.
inline std::size_t Utf8CharCount(std::string_view text) {
    constexpr std::uint64_t kTopBits = 0x8080808080808080u;
    std::size_t continuing = 0;
    std::size_t i = 0;
    while (i + 8 <= text.size()) {
        std::uint64_t perByte = 0;
        for (int k = 0; k < 255 && i + 8 <= text.size(); ++k, i += 8) {
            std::uint64_t w;
            std::memcpy(&w, text.data() + i, 8);
            perByte += (w & ~(w << 1) & kTopBits) >> 7;
        }
        constexpr std::uint64_t kLowBytes = 0x00FF00FF00FF00FFu;
        const std::uint64_t perPair = (perByte & kLowBytes) + ((perByte >> 8) & kLowBytes);
        continuing += static_cast<std::size_t>((perPair * 0x0001000100010001u) >> 48);
    }
    for (; i < text.size(); ++i) continuing += (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    return text.size() - continuing;
}

}  // namespace orca
