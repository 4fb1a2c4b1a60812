#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/settings_file.h"

namespace orca {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string SettingsFilePath(const SettingsPlace& place) {
    namespace fs = std::filesystem;
    const fs::path name(std::string{kSettingsFileName});
    if (!place.overridePath.empty()) return place.overridePath;
    if (place.exeDirWritable) return (fs::path(place.exeDir) / name).string();
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
    place.xdgConfigHome = environment("XDG_CONFIG_HOME");
    place.home = environment("HOME");
    return place;
}

std::string ExecutableDir() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

}  // namespace orca
