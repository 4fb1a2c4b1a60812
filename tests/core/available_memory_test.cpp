#include "document/available_memory.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace orca {
namespace {

constexpr std::uint64_t kMB = 1024 * 1024;

TEST(AvailableMemory, ProcLinesAreReadInKilobytes) {
    const std::string meminfo =
        "MemTotal:       24305248 kB\nMemFree:        21130724 kB\nMemAvailable:   22735832 kB\n"
        "Buffers:          123 kB\n";
    EXPECT_EQ(ProcKilobytesOf(meminfo, "MemAvailable"), 22735832ull * 1024);
    const std::string status = "Name:\torca-nc-editor\nVmPeak:\t  412340 kB\nVmSize:\t  398012 kB\n";
    EXPECT_EQ(ProcKilobytesOf(status, "VmSize"), 398012ull * 1024);
    EXPECT_EQ(ProcKilobytesOf(status, "Vm"), std::nullopt) << "a whole key only";
    EXPECT_EQ(ProcKilobytesOf("MemTotal: 1 kB\n", "MemAvailable"), std::nullopt) << "an old kernel";
    EXPECT_EQ(ProcKilobytesOf("MemAvailable: lots\n", "MemAvailable"), std::nullopt);
    EXPECT_EQ(ProcKilobytesOf("MemAvailable: 12 MB\n", "MemAvailable"), std::nullopt);
    EXPECT_EQ(ProcKilobytesOf("MemAvailable: 99999999999999999999 kB\n", "MemAvailable"), std::nullopt);
    EXPECT_EQ(ProcKilobytesOf("", "MemAvailable"), std::nullopt);
}

TEST(AvailableMemory, AddressSpaceLimitLeavesWhatTheProcessDoesNotUseYet) {
    EXPECT_EQ(AddressSpaceRoom(std::nullopt, 300 * kMB), std::nullopt) << "no limit";
    EXPECT_EQ(AddressSpaceRoom(1024 * kMB, 300 * kMB), 724 * kMB);
    EXPECT_EQ(AddressSpaceRoom(200 * kMB, 300 * kMB), 0u) << "already past it";
    EXPECT_EQ(AddressSpaceRoom(1024 * kMB, std::nullopt), 1024 * kMB);
}

TEST(AvailableMemory, CgroupPathAndRoom) {
    EXPECT_EQ(CgroupPathOf("0::/user.slice/user-1000.slice/session-2.scope\n"),
              "/user.slice/user-1000.slice/session-2.scope");
    EXPECT_EQ(CgroupPathOf("12:memory:/docker/abc\n1:cpu:/\n0::/\n"), "/") << "hybrid: the v2 line";
    EXPECT_EQ(CgroupPathOf("4:memory:/docker/abc\n1:cpu:/\n"), std::nullopt) << "v1 only";
    EXPECT_EQ(CgroupPathOf("4:memory:/docker/abc\n1:cpu:/\n0::/\n", "memory"), "/docker/abc") << "v1 memory";
    EXPECT_EQ(CgroupPathOf("7:cpu,memory:/box\n", "memory"), "/box") << "memory shares its hierarchy";
    EXPECT_EQ(CgroupPathOf("3:memoryx:/box\n0::/\n", "memory"), std::nullopt);
    EXPECT_EQ(CgroupPathOf("0::/../../system.slice\n"), std::nullopt) << "outside the namespace";
    EXPECT_EQ(CgroupPathOf("0::/a/..\n"), std::nullopt);
    EXPECT_EQ(CgroupPathOf(""), std::nullopt);

    EXPECT_EQ(CgroupRoomOf("max\n", "123456\n"), std::nullopt);
    EXPECT_EQ(CgroupRoomOf("1073741824\n", "536870912\n"), 512 * kMB);
    EXPECT_EQ(CgroupRoomOf("1073741824\n", "2000000000\n"), 0u) << "over its limit";
    EXPECT_EQ(CgroupRoomOf("1073741824\n", ""), 1024 * kMB) << "usage unknown";
    EXPECT_EQ(CgroupRoomOf("", "5\n"), std::nullopt);
    EXPECT_EQ(CgroupRoomOf("12 MB\n", "5\n"), std::nullopt);
}

// The system's files as a test gives them.
struct FakeSystem {
    std::map<std::string, std::string> files;
    ReadSystemFile reader() const {
        return [this](const std::string& path) -> std::optional<std::string> {
            const auto it = files.find(path);
            return it == files.end() ? std::nullopt : std::optional(it->second);
        };
    }
};

TEST(AvailableMemory, TheLeastOfEverySourceThatAnswers) {
    FakeSystem sys;
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), std::nullopt) << "nobody says";

    sys.files["/proc/meminfo"] = "MemAvailable:   8388608 kB\n";  // 8 GB
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), 8192 * kMB);

    sys.files["/proc/self/status"] = "VmSize:\t  307200 kB\n";  // 300 MB
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), 1024 * kMB), 724 * kMB) << "ulimit -v 1048576";

    // A container limit of 2 GB on the process's cgroup's parent, 1.5 GB used.
    sys.files["/proc/self/cgroup"] = "0::/box/app\n";
    sys.files["/sys/fs/cgroup/box/app/memory.max"] = "max\n";
    sys.files["/sys/fs/cgroup/box/app/memory.current"] = "1000\n";
    sys.files["/sys/fs/cgroup/box/memory.max"] = "2147483648\n";
    sys.files["/sys/fs/cgroup/box/memory.current"] = "1610612736\n";
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), 1024 * kMB), 512 * kMB);
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), 512 * kMB);

    // A tighter one on the process's own cgroup, and one at the namespace's root.
    sys.files["/sys/fs/cgroup/box/app/memory.max"] = "104857600\n";  // 100 MB
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), 100 * kMB - 1000);
    sys.files["/sys/fs/cgroup/memory.max"] = "1048576\n";
    sys.files["/sys/fs/cgroup/memory.current"] = "0\n";
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), kMB);
}

// A cgroup v1 machine (as many container hosts are): the memory hierarchy's
// limit binds the process, and "no limit" is a number beyond any machine.
TEST(AvailableMemory, CgroupV1MemoryLimitCounts) {
    FakeSystem sys;
    sys.files["/proc/meminfo"] = "MemAvailable:   8388608 kB\n";
    sys.files["/proc/self/cgroup"] = "4:memory:/box/app\n1:cpu:/\n0::/\n";
    sys.files["/sys/fs/cgroup/memory/box/app/memory.limit_in_bytes"] = "9223372036854771712\n";
    sys.files["/sys/fs/cgroup/memory/box/app/memory.usage_in_bytes"] = "1000\n";
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), 8192 * kMB);
    sys.files["/sys/fs/cgroup/memory/box/memory.limit_in_bytes"] = "1073741824\n";
    sys.files["/sys/fs/cgroup/memory/box/memory.usage_in_bytes"] = "805306368\n";
    EXPECT_EQ(AvailableMemoryOf(sys.reader(), std::nullopt), 256 * kMB);
}

std::uint64_t VirtualSizeNow() {
    std::ifstream in("/proc/self/status");
    const std::string status{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ProcKilobytesOf(status, "VmSize").value_or(0);
}

// Under "ulimit -v" (256 MB beside what the process takes) a load may take
// what the limit leaves, however much the machine has free. The exit code
// says whether it does.
int AvailableUnderATightLimit() {
    const rlimit tight{VirtualSizeNow() + 256 * kMB, RLIM_INFINITY};
    if (::setrlimit(RLIMIT_AS, &tight) != 0) return 2;
    const std::uint64_t available = AvailableMemoryNow().value_or(0);
    std::fprintf(stderr, "%llu bytes available\n", static_cast<unsigned long long>(available));
    return available <= 256 * kMB && available >= 192 * kMB ? 0 : 1;
}

TEST(AvailableMemory, NowCountsTheAddressSpaceLimit) {
    ASSERT_TRUE(AvailableMemoryNow().has_value()) << "this machine says how much memory it has";
    EXPECT_GT(*AvailableMemoryNow(), 0u);
    // In a child process, so that the limit does not stay with the tests.
    EXPECT_EXIT(std::exit(AvailableUnderATightLimit()), ::testing::ExitedWithCode(0), "bytes available");
}

}  // namespace
}  // namespace orca
