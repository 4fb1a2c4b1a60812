#pragma once

// Whether the program's own operator new (huge pages for large blocks) is
// in use: sanitizer builds keep their allocator, which checks new/delete
// pairs and stops at an impossible size instead of failing it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORCA_SANITIZER_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORCA_SANITIZER_ALLOCATOR 1
#endif

namespace orca {

#if defined(ORCA_SANITIZER_ALLOCATOR)
inline constexpr bool kOwnAllocator = false;
#else
inline constexpr bool kOwnAllocator = true;
#endif

}  // namespace orca
