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
inline constexpr const char* kHoleRadiusMessage = "０より大きい穴の半径（小数以下３桁まで）を入れて下さい";
inline constexpr const char* kStandardReadingCaption = "一般的なＮＣ書式で読む（G0～G3、小文字、;コメント）";

// What the controls of the drawing-settings dialog hold.
struct InitDspChoice {
    bool houganAri = true;             // grid drawn ("作図する") or not ("作図しない")
    std::string houganWidthText;       // grid spacing as typed
    std::int16_t speed = 5;            // slider position, 0 slow to 5 fast
    bool inc = false;                  // "ＩＮＣ" selected, else "ＡＢＳ"
    std::string holeRadiusText = "3";  // hole marker radius as typed
    bool standardReading = false;      // the standard word reading is checked
};

// The controls as the dialog opens: the coordinate system shows the mode the
// last drawing pass ended in, not the start mode.
InitDspChoice InitDspLoad(const DrawSettings& settings, const NcModalState& nc);

// The spacing the dialog may store, or nothing when the text is refused:
// below 1 with the grid on, or not a whole number text that fits 16 bits
// (fractions go to the nearest integer, halves to even).
[[nodiscard]] std::optional<std::int16_t> HouganWidthFromText(bool houganAri, std::string_view text);

// The hole radius the dialog and the settings file may hold, or nothing: a
// decimal number above 0 with at most 3 decimals, at most 99999.999.
[[nodiscard]] std::optional<double> HoleRadiusFromText(std::string_view text);
// The radius as the dialog and the settings file write it: "3", "0.125".
std::string HoleRadiusText(double radius);

// Saves what the settings file keeps of the drawing settings: the grid, the
// hole radius and the word reading.
using DrawSettingsWriter = std::function<void(const DrawSettings& settings)>;

// What the OK button would refuse, as the message to show, or nullptr when
// the choice can be stored.
[[nodiscard]] const char* InitDspRefusal(const InitDspChoice& choice);

// The OK button. False when the choice is refused: nothing is stored and the
// dialog shows InitDspRefusal's message and stays open. Otherwise the choice
// goes into the settings and the interpreter's mode, and is saved.
[[nodiscard]] bool InitDspOk(const InitDspChoice& choice, DrawSettings& settings, NcModalState& nc,
                             const DrawSettingsWriter& save);

}  // namespace orca
