#pragma once

#include <cstddef>
#include <iterator>
#include <vector>

namespace orca {

// The first occurrence of [key, keyLast) in [first, last), or last; an empty
// key is found at first. Knuth-Morris-Pratt: the cost grows with text + key,
// never text x key, however alike the two are (a long key that almost
// matches a long line everywhere is the case a plain search takes seconds
// over). Works on reverse iterators too, which finds the last occurrence.
template <std::random_access_iterator It, std::random_access_iterator KeyIt>
It SearchLinear(It first, It last, KeyIt key, KeyIt keyLast) {
    const auto m = static_cast<std::size_t>(keyLast - key);
    if (m == 0) return first;
    const auto k = [key](std::size_t i) -> decltype(auto) { return key[static_cast<std::ptrdiff_t>(i)]; };
    // border[i]: length of the longest proper prefix of key[0..i] that is also its suffix.
    std::vector<std::size_t> border(m, 0);
    for (std::size_t i = 1, b = 0; i < m; ++i) {
        while (b > 0 && !(k(i) == k(b))) b = border[b - 1];
        if (k(i) == k(b)) ++b;
        border[i] = b;
    }
    std::size_t matched = 0;
    for (It t = first; t != last; ++t) {
        while (matched > 0 && !(*t == k(matched))) matched = border[matched - 1];
        if (*t == k(matched)) ++matched;
        if (matched == m) return t - static_cast<std::ptrdiff_t>(m - 1);
    }
    return last;
}

}  // namespace orca
