#pragma once

#include <cmath>
#include <exception>
#include <optional>
#include <type_traits>

namespace orca {

// Arithmetic in the interpreter is guarded: an overflow, a division by zero or
// an invalid operation is an error, never an infinity or a NaN.
struct ArithmeticFault : std::exception {
    const char* what() const noexcept override { return "arithmetic fault"; }
};

// The program's circle constant (not the exact value of pi) and its full turn.
inline constexpr double kCirclePi = 3.141592654;
inline constexpr double kFullTurn = 6.283185308;

inline double checked(double v) {
    if (!std::isfinite(v)) throw ArithmeticFault{};
    return v;
}

inline double guardedDiv(double a, double b) {
    if (b == 0.0) throw ArithmeticFault{};
    return checked(a / b);
}

inline double guardedSqrt(double a) {
    if (a < 0.0) throw ArithmeticFault{};
    return checked(std::sqrt(a));
}

// The one way a failed computation ends: whatever `compute` was working out
// is abandoned, and the caller gets nothing instead of its result (false
// instead of true when it has none).
template <typename Compute>
[[nodiscard]] auto Guarded(Compute&& compute) {
    using Result = decltype(compute());
    if constexpr (std::is_void_v<Result>) {
        try {
            compute();
            return true;
        } catch (const ArithmeticFault&) {
            return false;
        }
    } else {
        try {
            return std::optional<Result>(compute());
        } catch (const ArithmeticFault&) {
            return std::optional<Result>();
        }
    }
}

}  // namespace orca
