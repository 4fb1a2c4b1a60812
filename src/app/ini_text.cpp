#include "app/ini_text.h"

#include <algorithm>

#include "base/records.h"

namespace orca {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

struct IniLine {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::string_view value;
};

IniLine classify(std::string_view record) {
    const std::string_view line = trimmed(record);
    if (line.starts_with('[')) {
        const auto close = line.find(']');
        if (close == std::string_view::npos) return {};
        return {IniLine::Section, trimmed(line.substr(1, close - 1)), {}};
    }
    const auto eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0) return {};
    return {IniLine::Key, trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1))};
}

// Walks the lines of the first section named `section`; `onKey` gets each
// key line there with its record. Returns the header's record, or nothing.
template <typename F>
std::optional<std::string_view> forEachKeyIn(std::string_view text, std::string_view section, F&& onKey) {
    std::optional<std::string_view> header;
    bool inside = false;
    ForEachRecord(text, [&](std::string_view record) {
        if (header && !inside) return;
        const IniLine line = classify(record);
        if (line.kind == IniLine::Section) {
            inside = !header && sameName(line.name, section);
            if (inside) header = record;
        } else if (inside && line.kind == IniLine::Key) {
            onKey(line, record);
        }
    });
    return header;
}

// Offset just past the line end of a record that ends at `end`.
std::size_t pastLineEnd(std::string_view text, std::size_t end) {
    if (end >= text.size()) return end;
    return end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
}

std::string_view lineEndOf(std::string_view text) {
    const auto first = text.find_first_of("\r\n");
    return first != std::string_view::npos && text[first] == '\r' ? "\r\n" : "\n";
}

struct Edit {
    std::size_t offset;
    std::size_t removed;
    std::string inserted;
};

}  // namespace

std::optional<std::string_view> IniLookup(std::string_view text, std::string_view section,
                                          std::string_view key) {
    std::optional<std::string_view> value;
    forEachKeyIn(text, section, [&](const IniLine& line, std::string_view) {
        if (!value && sameName(line.name, key)) value = line.value;
    });
    return value;
}

std::string IniAssign(std::string_view text, std::string_view section, const std::vector<IniEntry>& entries) {
    // The last of several entries with one name wins.
    std::vector<IniEntry> wanted;
    for (const IniEntry& e : entries) {
        auto same = std::find_if(wanted.begin(), wanted.end(),
                                 [&](const IniEntry& w) { return sameName(w.key, e.key); });
        if (same == wanted.end()) {
            wanted.push_back(e);
        } else {
            same->value = e.value;
        }
    }

    const std::string_view eol = lineEndOf(text);
    auto offsetOf = [&](std::string_view record) {
        return static_cast<std::size_t>(record.data() - text.data());
    };
    std::vector<Edit> edits;
    std::vector<bool> found(wanted.size(), false);
    std::string_view lastLine;
    const auto header = forEachKeyIn(text, section, [&](const IniLine& line, std::string_view record) {
        lastLine = record;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (found[i] || !sameName(line.name, wanted[i].key)) continue;
            found[i] = true;
            edits.push_back({offsetOf(record), record.size(), wanted[i].key + "=" + wanted[i].value});
        }
    });

    std::string added;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!found[i]) added.append(wanted[i].key).append("=").append(wanted[i].value).append(eol);
    }
    std::string out(text);
    if (!header) {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') out.append(eol);
        return out.append("[").append(section).append("]").append(eol).append(added);
    }
    if (!added.empty()) {
        if (lastLine.data() == nullptr) lastLine = *header;
        const std::size_t end = offsetOf(lastLine) + lastLine.size();
        const std::size_t at = pastLineEnd(text, end);
        // A last line without a line end gets one before the new keys.
        if (at == end) added = std::string(eol) + added.substr(0, added.size() - eol.size());
        edits.push_back({at, 0, added});
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.offset > b.offset; });
    for (const Edit& e : edits) out.replace(e.offset, e.removed, e.inserted);
    return out;
}

bool IniNameFits(std::string_view name) {
    return !trimmed(name).empty() &&
           name.find_first_of(std::string_view("\r\n=[]\0", 6)) == std::string_view::npos;
}

bool IniValueFits(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace orca
