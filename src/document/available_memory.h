#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orca {

// The memory a load may still take, in bytes; nothing when the system does not say.
using AvailableMemory = std::function<std::optional<std::uint64_t>()>;

// The value of a "Key:   N kB" line of /proc text (/proc/meminfo,
// /proc/self/status), in bytes.
std::optional<std::uint64_t> ProcKilobytesOf(std::string_view text, std::string_view key);
// What an address-space limit (RLIMIT_AS; none when infinite) still allows
// beside the process's virtual size (VmSize; the whole limit when unknown).
std::optional<std::uint64_t> AddressSpaceRoom(std::optional<std::uint64_t> limit,
                                              std::optional<std::uint64_t> virtualSize);
// The process's cgroup v2 path from /proc/self/cgroup text (its "0::" line);
// none without one, or when it lies outside this cgroup namespace ("..").
std::optional<std::string> CgroupPathOf(std::string_view procCgroup);
// What a cgroup's memory.max still allows beyond its memory.current; none
// for "max" (no limit) or text that is not a number.
std::optional<std::uint64_t> CgroupRoomOf(std::string_view memoryMax, std::string_view memoryCurrent);

// A system file's text; none when it cannot be read.
using ReadSystemFile = std::function<std::optional<std::string>(const std::string& path)>;
// The least of what the machine has available (MemAvailable), what the
// address-space limit still allows and what the process's cgroup and each
// cgroup above it (under /sys/fs/cgroup) may still take; each read through
// `read`, a source that does not answer left out. None when none answers.
std::optional<std::uint64_t> AvailableMemoryOf(const ReadSystemFile& read,
                                               std::optional<std::uint64_t> addressSpaceLimit);
// The same for this process now: what a load's memory guard uses.
std::optional<std::uint64_t> AvailableMemoryNow();

}  // namespace orca
