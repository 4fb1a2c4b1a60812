#pragma once

#include <array>
#include <cstdint>

namespace orca {

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr std::array<Rgb, 16> Palette16{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

inline constexpr int kGridColor = 3;
inline constexpr int kRapidColor = 8;
inline constexpr int kHoleColor = 11;
inline constexpr int kFeedColor = 15;

}  // namespace orca
