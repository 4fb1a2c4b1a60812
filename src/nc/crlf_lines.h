#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace orca {

// Splits editor text the way the draw driver hands it to the passes: the text
// gets a closing CR LF and every line keeps the CR LF that ends it, so an empty
// editor line is a line of just CR LF. A lone CR or LF stays inside its line.
class CrLfLines {
public:
    explicit CrLfLines(std::string text) : text_(std::move(text)) { text_ += "\r\n"; }

    // The text with its closing CR LF.
    std::string_view text() const { return text_; }

    // The next line with its CR LF; false after the last.
    bool next(std::string_view& line) {
        const std::size_t crlf = text_.find("\r\n", pos_);
        if (crlf == std::string::npos) return false;
        line = std::string_view(text_).substr(pos_, crlf + 2 - pos_);
        pos_ = crlf + 2;
        return true;
    }

private:
    std::string text_;
    std::size_t pos_ = 0;
};

// Characters (code points) in UTF-8 text: every byte that does not continue a
// sequence starts a character.
inline std::size_t Utf8CharCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace orca
