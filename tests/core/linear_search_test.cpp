#include "document/linear_search.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orca {
namespace {

// A character that counts how often it is compared.
struct Counted {
    char c;
    static inline std::size_t comparisons = 0;
    friend bool operator==(Counted a, Counted b) {
        ++comparisons;
        return a.c == b.c;
    }
};

std::vector<Counted> counted(const std::string& s) { return {s.begin(), s.end()}; }

std::ptrdiff_t find(const std::string& text, const std::string& key) {
    const auto t = counted(text);
    const auto k = counted(key);
    return SearchLinear(t.begin(), t.end(), k.begin(), k.end()) - t.begin();
}

TEST(SearchLinear, FindsTheFirstOccurrenceLikeAPlainSearch) {
    const std::string text = "abaabaababaabab";
    for (const std::string key : {"a", "ab", "aba", "abab", "baab", "ababaa", "abaabaababaabab", "abc", ""}) {
        const std::size_t plain = text.find(key);
        EXPECT_EQ(find(text, key),
                  plain == std::string::npos ? std::ptrdiff_t(text.size()) : std::ptrdiff_t(plain))
            << key;
    }
    EXPECT_EQ(find("ab", "abc"), 2) << "a key longer than the text";
    EXPECT_EQ(find("", "a"), 0);
}

TEST(SearchLinear, ReversedFindsTheLastOccurrence) {
    const std::string text = "xabyabz";
    const std::string key = "ab";
    const auto found = SearchLinear(text.rbegin(), text.rend(), key.rbegin(), key.rend());
    // found is the match's last character read backwards; its base is one past it.
    EXPECT_EQ(found.base() - text.begin(), 6);
}

TEST(SearchLinear, ComparisonsGrowWithTextPlusKey) {
    const std::size_t n = 20000;
    const std::size_t m = 5000;
    const std::vector<std::pair<std::string, std::string>> hard = {
        {std::string(n, 'a'), std::string(m - 1, 'a') + "b"},
        {std::string(n, 'a'), "b" + std::string(m - 1, 'a')},
        {[&] {
             std::string t;
             while (t.size() < n) t += "ab";
             return t;
         }(),
         [&] {
             std::string k;
             while (k.size() < m - 1) k += "ab";
             return k + "b";
         }()},
    };
    for (const auto& [text, key] : hard) {
        Counted::comparisons = 0;
        EXPECT_EQ(find(text, key), std::ptrdiff_t(text.size()));
        EXPECT_LE(Counted::comparisons, 4 * (n + m));
    }
}

}  // namespace
}  // namespace orca
