#include "alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> newCalls{0};

}  // namespace

namespace orca {

std::size_t NewCalls() { return newCalls.load(std::memory_order_relaxed); }

}  // namespace orca

// Counting replacements of the global allocation functions; the array and
// nothrow forms reach these through their default definitions.
void* operator new(std::size_t size) {
    newCalls.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }

void operator delete(void* p, std::size_t) noexcept { std::free(p); }
