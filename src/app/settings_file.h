#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/ini_text.h"
#include "document/text_encoding.h"

namespace orca {

// The INI file that keeps the settings. Nothing is cached: every read reads
// the file as it is now, and a missing file, section or key gives the
// default. Only a regular file of at most kMaxSettingsBytes is read or
// written: anything else at the path (a device, a pipe, a folder, a huge
// file) reads as an empty file and is never replaced. A write rewrites the
// file through a temporary file in the same folder, so a failed write leaves
// the old file whole; it never throws and returns false when the setting was
// not kept (callers may ignore that). Values are read and written as UTF-8
// text and stored as settings_value.h says, through `codec`, which must
// outlive the file object.
class SettingsFile {
public:
    static constexpr std::size_t kMaxSettingsBytes = 1 << 20;

    SettingsFile(std::string path, const TextCodec& codec) : path_(std::move(path)), codec_(&codec) {}

    const std::string& path() const { return path_; }

    // The whole text of the file as stored; empty when there is none to read.
    std::string text() const;
    // The value of `key` in `section` of `text` (as text() gives it), or
    // nothing when either is missing.
    std::optional<std::string> valueIn(std::string_view text, std::string_view section,
                                       std::string_view key) const;

    // The whole value.
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The decimal digits at the start of the value, 0 when there are none;
    // `fallback` only when the key is missing.
    int readInt(std::string_view section, std::string_view key, int fallback) const;
    // True unless the value is exactly "False".
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;
    // The value by the number rule, halves to even. A value that does not
    // fit 16 bits gives `fallback`, like a missing key.
    std::int16_t readNumber16(std::string_view section, std::string_view key, std::int16_t fallback) const;

    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);
    bool writeBool(std::string_view section, std::string_view key, bool value);
    // Several keys of one section in one rewrite of the file; every other
    // line stays as it was, byte for byte. Names and values holding a line
    // break are refused.
    bool writeEntries(std::string_view section, const std::vector<IniEntry>& entries);

    // The entries to set, worked out from the file's text; nothing to leave
    // the file as it is.
    using Change = std::function<std::optional<std::vector<IniEntry>>(std::string_view text)>;
    // Reads the file, asks `change` for the entries and writes them into
    // `section` as one step: another program sharing the file (its folder
    // locked while it writes) cannot write in between, so nothing it wrote
    // is lost. False when nothing was written, as for writeEntries.
    bool update(std::string_view section, const Change& change);

private:
    std::optional<std::string> lookup(std::string_view section, std::string_view key) const;

    std::string path_;
    const TextCodec* codec_;
};

// How a boolean is written.
inline std::string_view SettingsBoolText(bool value) { return value ? "True" : "False"; }

// The settings the other parts keep, each read and written as one group.

struct EditorFontSetting {
    std::string name = "MS ゴシック";
    short size = 10;
    bool bold = false;
    bool italic = false;
};

EditorFontSetting FontRead_Sub(const SettingsFile& settings);
bool FontWrite_Sub(SettingsFile& settings, const EditorFontSetting& font);

struct GridSetting {
    bool flag = true;
    std::int16_t width = 100;
};

GridSetting HouganRead_Sub(const SettingsFile& settings);
bool HouganWrite_Sub(SettingsFile& settings, const GridSetting& grid);

// The hole marker's radius: section "HOUGAN", key "HOLE"; 3 when missing or
// not a radius the drawing-settings dialog accepts.
double HoleRadiusRead(const SettingsFile& settings);
bool HoleRadiusWrite(SettingsFile& settings, double radius);

// The word reading: section "READING", key "STANDARD", "1" for the standard
// reading, "0" (the default) for this program's own.
bool StandardReadingRead(const SettingsFile& settings);
bool StandardReadingWrite(SettingsFile& settings, bool standard);

// The main window's state: 0 normal, 1 minimised, 2 maximised (the default).
// Any other number is read as stored; the window decides what it means.
int WindowStateRead(const SettingsFile& settings);
bool WindowStateWrite(SettingsFile& settings, int state);

// The recent files, most recent first: keys "01" to "05", up to the first
// missing or empty one.
std::vector<std::string> HistoryList(const SettingsFile& settings);
// Puts `path` at the head of the list unless it is listed already (compared
// exactly as text, letter case included, whichever encoding stores it), in
// which case nothing is written. A sixth path drops the oldest. True when
// the list was written.
bool HistoryWrite_Sub(SettingsFile& settings, const std::string& path);

// Where the settings file lives.
inline constexpr std::string_view kSettingsFileName = "OrcaＮＣEditor.ini";

struct SettingsPlace {
    std::string overridePath;  // ORCA_SETTINGS_FILE: used as it is when set
    std::string exeDir;        // the folder of the running program
    bool exeDirWritable = false;
    // Folders programs are installed into for every user (the install's own
    // among them): settings never go there, even when they are writable.
    std::vector<std::string> sharedProgramDirs;
    std::string xdgConfigHome;  // XDG_CONFIG_HOME
    std::string home;           // HOME
};

// Beside the program when its folder is writable and not one shared by every
// user (as /usr/bin is to root); otherwise in the user's configuration
// folder ($XDG_CONFIG_HOME or ~/.config) under "OrcaNCEditor".
std::string SettingsFilePath(const SettingsPlace& place);
// The place of this process: its environment and the folder of `exeDir`.
SettingsPlace CurrentSettingsPlace(const std::string& exeDir);
// The folder of the running program.
std::string ExecutableDir();

}  // namespace orca
