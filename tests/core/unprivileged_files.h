#pragma once

#include <sys/syscall.h>
#include <unistd.h>

namespace orca::test {

// While it lives, this thread's file accesses are checked against file
// permissions as an ordinary user's are: root ignores them, so as root the
// thread takes the user and group "nobody" (real and effective, access()
// included) and keeps root as its saved user to return to. The raw calls
// change this thread only, not the whole process as the library's would.
// Other users are left as they are: their permissions already apply.
// Files the test touches meanwhile must be reachable by "nobody".
class UnprivilegedFiles {
public:
    static constexpr long kNobody = 65534;

    UnprivilegedFiles() : root_(::geteuid() == 0) {
        if (!root_) return;
        ::syscall(SYS_setresgid, kNobody, kNobody, 0L);
        ::syscall(SYS_setresuid, kNobody, kNobody, 0L);
    }
    ~UnprivilegedFiles() {
        if (!root_) return;
        ::syscall(SYS_setresuid, 0L, 0L, 0L);
        ::syscall(SYS_setresgid, 0L, 0L, 0L);
    }
    UnprivilegedFiles(const UnprivilegedFiles&) = delete;
    UnprivilegedFiles& operator=(const UnprivilegedFiles&) = delete;

    // True when permissions now apply to this thread.
    bool active() const { return !root_ || ::syscall(SYS_geteuid) == kNobody; }

private:
    bool root_;
};

}  // namespace orca::test
