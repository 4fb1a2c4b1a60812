// Every allocation of the program goes through here. Blocks of a few
// megabytes and more (a big program's text, the editor's copy of it, the
// drawing) ask the system for huge pages: they are written once from start
// to end, and in small pages taking each page costs more than what is
// written into it. Smaller blocks are plain malloc.
//
// Sanitizer builds keep their own allocator (see large_blocks.h).

#include "base/large_blocks.h"

#if !defined(ORCA_SANITIZER_ALLOCATOR)

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kLargeBlock = std::size_t{4} << 20;

// Only a hint, for the whole 2 MB pages inside the block: nothing changes
// where it is not honoured.
void adviseHugePages(void* data, std::size_t bytes) {
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

}  // namespace

// The other forms of new and delete in the standard library call these two.
void* operator new(std::size_t bytes) {
    if (bytes == 0) bytes = 1;
    for (;;) {
        if (void* p = std::malloc(bytes)) {
            if (bytes >= kLargeBlock) adviseHugePages(p, bytes);
            return p;
        }
        const std::new_handler handler = std::get_new_handler();
        if (!handler) throw std::bad_alloc();
        handler();
    }
}

void operator delete(void* p) noexcept { std::free(p); }

void operator delete(void* p, std::size_t) noexcept { std::free(p); }

#endif
