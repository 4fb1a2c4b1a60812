#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/text_encoding.h"
#include "document/utf8.h"

namespace orca::test {

// A CP932 of three characters, enough to see what reaches the tables and
// what the codec does around them.
class TinyCp932 : public TextCodec {
public:
    mutable std::vector<std::string> decodedRuns;

protected:
    void decodeCp932Run(std::string_view run, std::string& out) const override {
        decodedRuns.emplace_back(run);
        for (std::size_t i = 0; i < run.size();) {
            const auto lead = static_cast<unsigned char>(run[i]);
            const std::size_t width = lead >= 0xA1 && lead <= 0xDF ? 1 : 2;  // half-width kana or a pair
            const auto* entry = find(run.substr(i, width), true);
            out += entry ? entry->second : std::string(kReplacementChar);
            i += width;
        }
    }
    bool encodeCp932Run(std::string_view run, std::string& out) const override {
        for (std::size_t i = 0; i < run.size();) {
            const auto* entry = find(run.substr(i), false);
            if (!entry) return false;
            out += entry->first;
            i += entry->second.size();
        }
        return true;
    }

private:
    using Entry = std::pair<std::string, std::string>;
    static const Entry* find(std::string_view at, bool byBytes) {
        static const Entry kTable[] = {{"\x82\xA0", "あ"}, {"\xB1", "ｱ"}, {"\x81\x5F", "＼"}};
        for (const Entry& e : kTable) {
            if (at.starts_with(byBytes ? e.first : e.second)) return &e;
        }
        return nullptr;
    }
};

}  // namespace orca::test
