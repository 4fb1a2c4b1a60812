#pragma once

#include <cstddef>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orca {

// Asks the system to back the whole 2 MB pages inside [data, data + bytes)
// with huge pages where it offers them on request. A big program's text
// and drawing are hundreds of megabytes written once from start to end: in
// small pages, taking each page costs more than what is written into it.
// Only a hint: nothing changes where it is not honoured.
inline void AdviseHugePages(const void* data, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first) static_cast<void>(madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE));
#else
    static_cast<void>(data);
    static_cast<void>(bytes);
#endif
}

}  // namespace orca
