#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orca {

class MessageSink;

// Settings of the last search, kept for the whole run.
struct FindState {
    std::u32string text;         // as the user typed it
    std::int16_t matchCase = 0;  // 0 ignore case, 1 match case
    std::int16_t direction = 0;  // 0 up (towards the beginning), 1 down
    std::size_t lastPos = 0;     // selection start after the last search step
    bool textChanged = false;    // text edited or dialog opened since then
};

inline constexpr std::int16_t kFindUp = 0;
inline constexpr std::int16_t kFindDown = 1;

// The editor as a search sees it: text and selection in characters.
class FindEditor {
public:
    virtual ~FindEditor() = default;
    virtual std::u32string Text() const = 0;
    virtual std::u32string SelText() const = 0;
    virtual std::size_t SelStart() const = 0;
    virtual void Select(std::size_t start, std::size_t length) = 0;
};

// Upper case for a search that ignores case: ASCII and full-width Latin
// letters, Greek and Cyrillic; every other character is left as it is.
char32_t FindUpper(char32_t c);

// "文字列 "<text>" が見つかりません。" in UTF-8; a text longer than 40
// characters shows its first 40 and "…".
std::string FindNotFoundMessage(const std::u32string& text);

// One search step from the caret, without wrap-around; selects the match or
// reports the text as not found.
void FindNext_Sub(FindState& state, FindEditor& editor, MessageSink& messages);

}  // namespace orca
