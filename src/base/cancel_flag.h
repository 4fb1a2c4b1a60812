#pragma once

#include <atomic>

namespace orca {

// A request to abandon long work: set on one thread, polled on another.
// Work given no flag (a null pointer) runs to its end.
class CancelFlag {
public:
    void request() { requested_.store(true, std::memory_order_relaxed); }
    void reset() { requested_.store(false, std::memory_order_relaxed); }
    bool requested() const { return requested_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> requested_{false};
};

inline bool Cancelled(const CancelFlag* flag) { return flag && flag->requested(); }

}  // namespace orca
