#include "document/find.h"

#include <algorithm>

#include "base/message_sink.h"
#include "document/linear_search.h"

namespace orca {
namespace {

std::string ToUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

void ToUpper(std::u32string& text) { std::transform(text.begin(), text.end(), text.begin(), FindUpper); }

// 1-based position of the first occurrence beginning at start + 1 or later.
std::size_t SearchDown(const std::u32string& hay, const std::u32string& key, std::size_t start) {
    if (start >= hay.size()) return 0;
    const auto found =
        SearchLinear(hay.begin() + static_cast<std::ptrdiff_t>(start), hay.end(), key.begin(), key.end());
    return found == hay.end() ? 0 : static_cast<std::size_t>(found - hay.begin()) + 1;
}

// 1-based position of the nearest occurrence beginning at start - 1 or before:
// the first occurrence of the reversed key in the text before its last
// possible end, read backwards.
std::size_t SearchUp(const std::u32string& hay, const std::u32string& key, std::size_t start) {
    if (start < 2) return 0;
    const std::size_t end = std::min(hay.size(), start - 2 + key.size());
    const auto before = hay.rend() - static_cast<std::ptrdiff_t>(end);
    const auto found = SearchLinear(before, hay.rend(), key.rbegin(), key.rend());
    if (found == hay.rend()) return 0;
    // found.base() is one past the match's last character.
    return static_cast<std::size_t>(found.base() - hay.begin()) - key.size() + 1;
}

// What the not-found message shows of a search text: a long one is cut so
// the message box still fits the screen.
std::u32string ShownText(const std::u32string& text) {
    constexpr std::size_t kShownCharacters = 40;
    if (text.size() <= kShownCharacters) return text;
    return text.substr(0, kShownCharacters) + U'…';
}

}  // namespace

char32_t FindUpper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if (c >= U'ａ' && c <= U'ｚ') return c - (U'ａ' - U'Ａ');
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // Latin-1 letters
    if (c == U'ς') return U'Σ';
    if (c >= U'α' && c <= U'ω') return c - 0x20;
    if (c >= U'а' && c <= U'я') return c - 0x20;
    if (c >= U'ѐ' && c <= U'џ') return c - 0x50;
    return c;
}

std::string FindNotFoundMessage(const std::u32string& text) {
    return "文字列 \"" + ToUtf8(ShownText(text)) + "\" が見つかりません。";
}

void FindNext_Sub(FindState& state, FindEditor& editor, MessageSink& messages) {
    std::u32string hay = editor.Text();
    if (hay.empty()) {
        messages.showMessage(FindNotFoundMessage(state.text));
        return;
    }
    const std::size_t caret = editor.SelStart();
    // A repeated search skips the match it found last.
    const std::size_t start = (caret == state.lastPos && !state.textChanged) ? caret + 1 : caret;
    std::u32string key = state.text;
    if (state.matchCase == 0) {
        ToUpper(key);
        ToUpper(hay);
    }
    const std::size_t p =
        state.direction == kFindDown ? SearchDown(hay, key, start) : SearchUp(hay, key, start);
    if (p >= 1) {
        editor.Select(p - 1, key.size());
    } else {
        messages.showMessage(FindNotFoundMessage(state.text));
    }
    state.lastPos = editor.SelStart();
    state.textChanged = false;
}

}  // namespace orca
