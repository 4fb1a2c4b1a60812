#include "document/available_memory.h"

#include <sys/resource.h>

#include <algorithm>
#include <charconv>

#include "base/records.h"
#include "document/program_file.h"

namespace orca {
namespace {

std::optional<std::uint64_t> NumberOf(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || text.empty()) return std::nullopt;
    const std::string_view rest(end, static_cast<std::size_t>(text.data() + text.size() - end));
    return rest.empty() || rest == "\n" ? std::optional(value) : std::nullopt;
}

std::optional<std::uint64_t> Least(std::optional<std::uint64_t> a, std::optional<std::uint64_t> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}

std::optional<std::string> ReadWhole(const std::string& path) {
    ProgramFile file;
    std::string text;
    if (!file.open(path) || !file.readRest(text)) return std::nullopt;
    return text;
}

std::optional<std::uint64_t> AddressSpaceLimitNow() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    return limit.rlim_cur;
}

// What the cgroup at `path` under `root`, and every cgroup above it (whose
// limit binds the process as well), may still take.
std::optional<std::uint64_t> CgroupRoom(const ReadSystemFile& read, std::optional<std::string> path,
                                        const std::string& root, const std::string& limitFile,
                                        const std::string& usedFile) {
    std::optional<std::uint64_t> least;
    while (path) {
        const std::string dir = root + (*path == "/" ? std::string() : *path);
        if (const auto limit = read(dir + "/" + limitFile)) {
            least = Least(least, CgroupRoomOf(*limit, read(dir + "/" + usedFile).value_or(std::string())));
        }
        if (*path == "/") break;
        path->resize(std::max<std::size_t>(path->rfind('/'), 1));
    }
    return least;
}

}  // namespace

std::optional<std::uint64_t> ProcKilobytesOf(std::string_view text, std::string_view key) {
    std::optional<std::uint64_t> found;
    ForEachRecord(text, [&](std::string_view line) {
        if (found || !line.starts_with(key) || !line.substr(key.size()).starts_with(':')) return;
        line.remove_prefix(key.size() + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        std::uint64_t kilobytes = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), kilobytes);
        const std::string_view unit(end, static_cast<std::size_t>(line.data() + line.size() - end));
        if (ec == std::errc() && unit == " kB" && kilobytes <= UINT64_MAX / 1024) found = kilobytes * 1024;
    });
    return found;
}

std::optional<std::uint64_t> AddressSpaceRoom(std::optional<std::uint64_t> limit,
                                              std::optional<std::uint64_t> virtualSize) {
    if (!limit) return std::nullopt;
    const std::uint64_t used = virtualSize.value_or(0);
    return *limit > used ? *limit - used : 0;
}

std::optional<std::string> CgroupPathOf(std::string_view procCgroup, std::string_view controller) {
    std::optional<std::string> path;
    ForEachRecord(procCgroup, [&](std::string_view line) {
        // "hierarchy-id:controller,controller:/path"
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
        if (path || second == std::string_view::npos || line.substr(second + 1, 1) != "/") return;
        const std::string controllers = "," + std::string(line.substr(first + 1, second - first - 1)) + ",";
        const bool wanted = controller.empty()
                                ? line.starts_with("0::")
                                : controllers.find("," + std::string(controller) + ",") != std::string::npos;
        const std::string_view found = line.substr(second + 1);
        if (wanted && (std::string(found) + '/').find("/../") == std::string::npos) path = std::string(found);
    });
    return path;
}

std::optional<std::uint64_t> CgroupRoomOf(std::string_view limit, std::string_view used) {
    const auto most = NumberOf(limit);
    if (!most) return std::nullopt;
    const std::uint64_t taken = NumberOf(used).value_or(0);
    return *most > taken ? *most - taken : 0;
}

std::optional<std::uint64_t> AvailableMemoryOf(const ReadSystemFile& read,
                                               std::optional<std::uint64_t> addressSpaceLimit) {
    const auto text = [&read](const std::string& path) { return read(path).value_or(std::string()); };
    std::optional<std::uint64_t> least = ProcKilobytesOf(text("/proc/meminfo"), "MemAvailable");
    least = Least(least,
                  AddressSpaceRoom(addressSpaceLimit, ProcKilobytesOf(text("/proc/self/status"), "VmSize")));
    const std::string procCgroup = text("/proc/self/cgroup");
    least = Least(
        least, CgroupRoom(read, CgroupPathOf(procCgroup), "/sys/fs/cgroup", "memory.max", "memory.current"));
    least = Least(least, CgroupRoom(read, CgroupPathOf(procCgroup, "memory"), "/sys/fs/cgroup/memory",
                                    "memory.limit_in_bytes", "memory.usage_in_bytes"));
    return least;
}

std::optional<std::uint64_t> AvailableMemoryNow() {
    return AvailableMemoryOf(ReadWhole, AddressSpaceLimitNow());
}

}  // namespace orca
