#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "app/settings_value.h"
#include "document/program_file.h"
#include "nc/number_rule.h"

namespace orca {
namespace {

// What is at the settings path.
struct StoredFile {
    enum State { Missing, Regular, Unusable } state = Missing;
    std::string text;
    mode_t mode = 0644;
};

// Reads the file whole when it is a regular file within the size cap. A
// device or a pipe is not even opened: opening one may wait or act, and
// reading one may never end.
StoredFile readStored(const std::string& path) {
    constexpr std::size_t cap = SettingsFile::kMaxSettingsBytes;
    StoredFile stored;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        stored.state = errno == ENOENT ? StoredFile::Missing : StoredFile::Unusable;
        return stored;
    }
    stored.state = StoredFile::Unusable;
    if (!S_ISREG(info.st_mode) || static_cast<std::uintmax_t>(info.st_size) > cap) return stored;
    ProgramFile file;
    // One byte past the cap tells a file that grew beyond it.
    if (!file.open(path) || !file.readMore(stored.text, cap + 1) || stored.text.size() > cap) {
        stored.text.clear();
        return stored;
    }
    stored.state = StoredFile::Regular;
    stored.mode = info.st_mode & 07777;
    return stored;
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

// An exclusive lock on a folder while it lives. Every writer of a settings
// file holds it on the file's folder from its read to its rename, so two
// programs sharing the file write one after the other; the folder itself
// carries the lock, so no lock file is left behind.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        int result = -1;
        while (fd_ >= 0 && (result = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        locked_ = result == 0;
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool locked() const { return locked_; }

private:
    int fd_;
    bool locked_ = false;
};

bool entriesFit(std::string_view section, const std::vector<IniEntry>& entries) {
    if (!IniNameFits(section)) return false;
    return std::all_of(entries.begin(), entries.end(),
                       [](const IniEntry& e) { return IniNameFits(e.key) && IniValueFits(e.value); });
}

}  // namespace

std::string SettingsFile::text() const { return readStored(path_).text; }

std::optional<std::string> SettingsFile::valueIn(std::string_view text, std::string_view section,
                                                 std::string_view key) const {
    const auto value = IniLookup(text, section, key);
    if (!value) return std::nullopt;
    return SettingsValueText(*value, *codec_);
}

std::optional<std::string> SettingsFile::lookup(std::string_view section, std::string_view key) const {
    return valueIn(text(), section, key);
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
    const auto value = lookup(section, key);
    return value ? *value : std::string(fallback);
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
    return *value != "False";
}

std::int16_t SettingsFile::readNumber16(std::string_view section, std::string_view key,
                                        std::int16_t fallback) const {
    const auto value = lookup(section, key);
    if (!value) return fallback;
    const NumberReading number = ParseNumber(*value);
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
    return update(section, [&](std::string_view) { return entries; });
}

bool SettingsFile::update(std::string_view section, const Change& change) {
    namespace fs = std::filesystem;
    // A link to a settings file elsewhere stays a link.
    std::error_code noLink, error;
    const fs::path target = fs::is_symlink(path_, noLink) ? fs::canonical(path_, error) : fs::path(path_);
    if (error) return false;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::create_directories(folder, error);

    const FolderLock lock(folder);
    if (!lock.locked()) return false;
    const StoredFile stored = readStored(target.string());
    // A file we may not write is left alone.
    if (stored.state == StoredFile::Unusable ||
        (stored.state == StoredFile::Regular && ::access(target.c_str(), W_OK) != 0)) {
        return false;
    }
    std::optional<std::vector<IniEntry>> entries = change(stored.text);
    if (!entries) return false;
    for (IniEntry& entry : *entries) entry.value = SettingsValueBytes(entry.value, *codec_);
    if (!entriesFit(section, *entries)) return false;
    const std::string next = IniAssign(stored.text, section, *entries);
    if (stored.state == StoredFile::Regular && next == stored.text) return true;
    // A file that would grow past the cap could no longer be read.
    if (next.size() > kMaxSettingsBytes) return false;
    return replaceFile(target, next, stored.mode);
}

}  // namespace orca
