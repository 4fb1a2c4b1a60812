#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "document/qt/cp932_codec.h"
#include "document/utf8.h"
#include "fuzz_targets.h"

namespace orca::fuzz {
namespace {

// Reads every setting, then writes some: what is read is one line of UTF-8,
// and what is written reads back unchanged.
void exercise(SettingsFile& settings) {
    const EditorFontSetting font = FontRead_Sub(settings);
    require(CheckUtf8(font.name).valid, "a value reads as UTF-8");
    require(font.name.find_first_of("\r\n") == std::string::npos, "a value is one line");
    HouganRead_Sub(settings);
    WindowStateRead(settings);
    if (FontWrite_Sub(settings, font)) require(FontRead_Sub(settings).name == font.name, "font name kept");

    const std::vector<std::string> before = HistoryList(settings);
    for (const std::string& entry : before) require(!entry.empty(), "history entry");
    // Not CP932: the entries around it are stored in both encodings.
    const std::string added = "/tmp/fuzz/ŝ.nc";
    if (!HistoryWrite_Sub(settings, added)) {
        require(HistoryList(settings) == before, "a refused write changes nothing");
        return;
    }
    std::vector<std::string> expected = before;
    expected.insert(expected.begin(), added);
    expected.resize(std::min<std::size_t>(expected.size(), 5));
    // Keys past the end of the old list (after a gap) may now continue it.
    const std::vector<std::string> after = HistoryList(settings);
    require(after.size() >= expected.size() && std::equal(expected.begin(), expected.end(), after.begin()),
            "the moved entries read back unchanged");
}

}  // namespace

void SettingsReader(const std::uint8_t* data, std::size_t size) {
    char path[] = "/tmp/orca-fuzz-settings-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return;
    const bool written = write(fd, data, size) == static_cast<ssize_t>(size);
    close(fd);
    if (written) {
        const QtTextCodec codec;
        SettingsFile settings(path, codec);
        exercise(settings);
    }
    unlink(path);
}

}  // namespace orca::fuzz
