#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "nc/nc_modal_state.h"
#include "view/draw_settings.h"

namespace orca {

inline constexpr const char* kInitDspCaption = "描画設定";
inline constexpr const char* kHouganWidthMessage = "１以上の目盛幅を入れて下さい";

// What the controls of the drawing-settings dialog hold.
struct InitDspChoice {
    bool houganAri = true;        // grid drawn ("作図する") or not ("作図しない")
    std::string houganWidthText;  // grid spacing as typed
    std::int16_t speed = 5;       // slider position, 0 slow to 5 fast
    bool inc = false;             // "ＩＮＣ" selected, else "ＡＢＳ"
};

// The controls as the dialog opens: the coordinate system shows the mode the
// last drawing pass ended in, not the start mode.
InitDspChoice InitDspLoad(const DrawSettings& settings, const NcModalState& nc);

// The spacing the dialog may store, or nothing when the text is refused:
// below 1 with the grid on, or not a whole number text that fits 16 bits
// (fractions go to the nearest integer, halves to even).
[[nodiscard]] std::optional<std::int16_t> HouganWidthFromText(bool houganAri, std::string_view text);

// Saves the grid settings to the settings file.
using HouganWriter = std::function<void(bool houganFlag, std::int16_t houganWidth)>;

// The OK button. False when the spacing is refused: nothing is stored and the
// dialog shows kHouganWidthMessage and stays open. Otherwise the choice goes
// into the settings and the interpreter's mode, and the grid is saved.
[[nodiscard]] bool InitDspOk(const InitDspChoice& choice, DrawSettings& settings, NcModalState& nc,
                             const HouganWriter& save);

}  // namespace orca
