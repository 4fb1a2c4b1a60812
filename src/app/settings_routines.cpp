#include <algorithm>
#include <utility>

#include "app/draw_settings_form.h"
#include "app/settings_file.h"

namespace orca {
namespace {

constexpr std::string_view kWindow = "WINDOW";
constexpr std::string_view kHistory = "HISTORY";
constexpr std::string_view kFont = "FONT";
constexpr std::string_view kHougan = "HOUGAN";
constexpr std::string_view kReading = "READING";
constexpr double kDefaultHoleRadius = 3.0;
constexpr std::size_t kHistorySize = 5;

// "01" to "05".
std::string historyKey(std::size_t index) { return {'0', static_cast<char>('1' + index)}; }

std::vector<std::string> historyIn(const SettingsFile& settings, std::string_view text) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < kHistorySize; ++i) {
        auto path = settings.valueIn(text, kHistory, historyKey(i));
        if (!path || path->empty()) break;
        paths.push_back(std::move(*path));
    }
    return paths;
}

}  // namespace

EditorFontSetting FontRead_Sub(const SettingsFile& settings) {
    EditorFontSetting font;  // the defaults until read
    font.name = settings.readString(kFont, "NAME", font.name);
    font.size = settings.readNumber16(kFont, "SIZE", font.size);
    font.bold = settings.readBool(kFont, "BOLD", font.bold);
    font.italic = settings.readBool(kFont, "ITALIC", font.italic);
    return font;
}

bool FontWrite_Sub(SettingsFile& settings, const EditorFontSetting& font) {
    return settings.writeEntries(kFont, {{"NAME", font.name},
                                         {"SIZE", std::to_string(font.size)},
                                         {"BOLD", std::string(SettingsBoolText(font.bold))},
                                         {"ITALIC", std::string(SettingsBoolText(font.italic))}});
}

GridSetting HouganRead_Sub(const SettingsFile& settings) {
    GridSetting grid;  // the defaults until read
    grid.flag = settings.readBool(kHougan, "FLAG", grid.flag);
    grid.width = settings.readNumber16(kHougan, "WIDTH", grid.width);
    return grid;
}

bool HouganWrite_Sub(SettingsFile& settings, const GridSetting& grid) {
    return settings.writeEntries(
        kHougan, {{"FLAG", std::string(SettingsBoolText(grid.flag))}, {"WIDTH", std::to_string(grid.width)}});
}

double HoleRadiusRead(const SettingsFile& settings) {
    const std::string text = settings.readString(kHougan, "HOLE", "");
    return HoleRadiusFromText(text).value_or(kDefaultHoleRadius);
}

bool HoleRadiusWrite(SettingsFile& settings, double radius) {
    return settings.writeString(kHougan, "HOLE", HoleRadiusText(radius));
}

bool StandardReadingRead(const SettingsFile& settings) {
    return settings.readInt(kReading, "STANDARD", 0) == 1;
}

bool StandardReadingWrite(SettingsFile& settings, bool standard) {
    return settings.writeInt(kReading, "STANDARD", standard ? 1 : 0);
}

int WindowStateRead(const SettingsFile& settings) { return settings.readInt(kWindow, "STATE", 2); }

bool WindowStateWrite(SettingsFile& settings, int state) {
    return settings.writeInt(kWindow, "STATE", state);
}

std::vector<std::string> HistoryList(const SettingsFile& settings) {
    return historyIn(settings, settings.text());
}

bool HistoryWrite_Sub(SettingsFile& settings, const std::string& path) {
    // The list is read again under the write's lock: entries another window
    // added since this one last looked stay in it.
    return settings.update(kHistory, [&](std::string_view text) -> std::optional<std::vector<IniEntry>> {
        std::vector<std::string> paths = historyIn(settings, text);
        if (path.empty() || std::find(paths.begin(), paths.end(), path) != paths.end()) return std::nullopt;
        paths.insert(paths.begin(), path);
        paths.resize(std::min(paths.size(), kHistorySize));
        std::vector<IniEntry> entries;
        for (std::size_t i = 0; i < paths.size(); ++i) entries.push_back({historyKey(i), paths[i]});
        return entries;
    });
}

}  // namespace orca
