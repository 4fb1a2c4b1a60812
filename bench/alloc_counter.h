#pragma once

#include <cstddef>

namespace orca {

// Number of calls of the global operator new so far in this process.
std::size_t NewCalls();

}  // namespace orca
