#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/settings_file.h"

namespace orca {
namespace {

// A folder's path compared by its parts: "/usr/bin/" and "/usr/./bin" are "/usr/bin".
std::filesystem::path folderPath(const std::string& dir) {
    std::filesystem::path p = std::filesystem::path(dir).lexically_normal();
    return p.has_filename() ? p : p.parent_path();
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string SettingsFilePath(const SettingsPlace& place) {
    namespace fs = std::filesystem;
    const fs::path name(std::string{kSettingsFileName});
    if (!place.overridePath.empty()) return place.overridePath;
    const fs::path exeDir = folderPath(place.exeDir);
    const bool shared = std::any_of(place.sharedProgramDirs.begin(), place.sharedProgramDirs.end(),
                                    [&](const std::string& dir) { return folderPath(dir) == exeDir; });
    if (place.exeDirWritable && !shared) return (fs::path(place.exeDir) / name).string();
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    fs::path config = place.xdgConfigHome;
    if (!config.is_absolute()) config = fs::path(place.home) / ".config";
    return (config / "OrcaNCEditor" / name).string();
}

SettingsPlace CurrentSettingsPlace(const std::string& exeDir) {
    SettingsPlace place;
    place.overridePath = environment("ORCA_SETTINGS_FILE");
    place.exeDir = exeDir;
    place.exeDirWritable = !exeDir.empty() && ::access(exeDir.c_str(), W_OK) == 0;
    // The running program's folder is a resolved path: so are these.
    for (const char* dir : {ORCA_INSTALL_BINDIR, "/usr/bin", "/usr/local/bin", "/bin"}) {
        std::error_code error;
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(dir, error);
        place.sharedProgramDirs.push_back(error ? std::string(dir) : resolved.string());
    }
    place.xdgConfigHome = environment("XDG_CONFIG_HOME");
    place.home = environment("HOME");
    return place;
}

std::string ExecutableDir() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

}  // namespace orca
