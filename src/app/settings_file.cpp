#include "app/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "document/program_file.h"
#include "document/utf8.h"
#include "nc/number_rule.h"

namespace orca {
namespace {

// The profile functions read a value into 255 bytes with its terminator.
constexpr std::size_t kValueBytes = 254;

std::optional<std::string> readWholeFile(const std::string& path) {
    ProgramFile file;
    std::string bytes;
    if (!file.open(path) || !file.readRest(bytes)) return std::nullopt;
    return bytes;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes `bytes` to a new file beside `target` and renames it over `target`.
bool replaceFile(const std::filesystem::path& target, std::string_view bytes, mode_t mode) {
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> SettingsFile::lookup(std::string_view section, std::string_view key) const {
    const auto text = readWholeFile(path_);
    if (!text) return std::nullopt;
    const auto value = IniLookup(*text, section, key);
    if (!value) return std::nullopt;
    return std::string(*value);
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
    const auto value = lookup(section, key);
    return std::string(CutUtf8(value ? *value : fallback, kValueBytes));
}

int SettingsFile::readInt(std::string_view section, std::string_view key, int fallback) const {
    const auto value = lookup(section, key);
    if (!value) return fallback;
    long long n = 0;
    for (std::size_t i = 0; i < value->size() && (*value)[i] >= '0' && (*value)[i] <= '9'; ++i) {
        n = std::min<long long>(n * 10 + ((*value)[i] - '0'), INT_MAX);
    }
    return static_cast<int>(n);
}

bool SettingsFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    const auto value = lookup(section, key);
    if (!value) return fallback;
    return CutUtf8(*value, kValueBytes) != "False";
}

std::int16_t SettingsFile::readNumber16(std::string_view section, std::string_view key,
                                        std::int16_t fallback) const {
    const auto value = lookup(section, key);
    if (!value) return fallback;
    const NumberReading number = ParseNumber(CutUtf8(*value, kValueBytes));
    short result = 0;
    if (number.overflow || !ToInt16(number.value, result)) return fallback;
    return result;
}

bool SettingsFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    return writeEntries(section, {{std::string(key), std::string(value)}});
}

bool SettingsFile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeString(section, key, SettingsBoolText(value));
}

bool SettingsFile::writeEntries(std::string_view section, const std::vector<IniEntry>& entries) {
    if (!IniNameFits(section)) return false;
    for (const IniEntry& e : entries) {
        if (!IniNameFits(e.key) || !IniValueFits(e.value)) return false;
    }
    namespace fs = std::filesystem;
    // A link to a settings file elsewhere stays a link.
    std::error_code noLink, error;
    const fs::path target = fs::is_symlink(path_, noLink) ? fs::canonical(path_, error) : fs::path(path_);
    if (error) return false;

    std::string old;
    mode_t mode = 0644;
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists) {
        // A file we may not write, or cannot read whole, is left alone.
        const auto text = readWholeFile(target.string());
        if (!text || ::access(target.c_str(), W_OK) != 0) return false;
        old = *text;
        mode = info.st_mode & 07777;
    } else if (target.has_parent_path()) {
        fs::create_directories(target.parent_path(), error);
    }
    const std::string next = IniAssign(old, section, entries);
    if (exists && next == old) return true;
    return replaceFile(target, next, mode);
}

}  // namespace orca
