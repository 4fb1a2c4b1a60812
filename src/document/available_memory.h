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
// The process's cgroup path from /proc/self/cgroup text: the cgroup v2 one
// (its "0::" line) when `controller` is empty, else that of the cgroup v1
// hierarchy holding `controller` ("4:memory:/docker/abc"); none without one,
// or when it lies outside this cgroup namespace ("..").
std::optional<std::string> CgroupPathOf(std::string_view procCgroup, std::string_view controller = {});
// What a cgroup's limit (memory.max, or memory.limit_in_bytes of cgroup v1)
// still allows beyond its use (memory.current, memory.usage_in_bytes); none
// for "max" (no limit) or text that is not a number.
std::optional<std::uint64_t> CgroupRoomOf(std::string_view limit, std::string_view used);

// A system file's text; none when it cannot be read.
using ReadSystemFile = std::function<std::optional<std::string>(const std::string& path)>;
// The least of what the machine has available (MemAvailable), what the
// address-space limit still allows and what the process's cgroup and each
// cgroup above it may still take, in cgroup v2 (under /sys/fs/cgroup) and in
// the memory hierarchy of cgroup v1 (/sys/fs/cgroup/memory); each read through
// `read`, a source that does not answer left out. None when none answers.
std::optional<std::uint64_t> AvailableMemoryOf(const ReadSystemFile& read,
                                               std::optional<std::uint64_t> addressSpaceLimit);
// The same for this process now: what a load's memory guard uses.
std::optional<std::uint64_t> AvailableMemoryNow();

}  // namespace orca
