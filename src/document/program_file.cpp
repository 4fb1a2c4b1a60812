#include "document/program_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace orca {

ProgramFile::~ProgramFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool ProgramFile::fail(int errorNumber) {
    error_ = std::generic_category().message(errorNumber);
    end_ = true;
    return false;
}

bool ProgramFile::open(const std::string& path) {
    // Not waiting for a pipe to get a writer: one without is an empty file.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return fail(errno);
    if (::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0) return fail(errno);
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return fail(errno);
    if (S_ISDIR(info.st_mode)) return fail(EISDIR);
    if (S_ISREG(info.st_mode)) sizeHint_ = static_cast<std::size_t>(info.st_size);
    end_ = false;
    return true;
}

bool ProgramFile::readMore(std::string& out, std::size_t count) {
    if (end_) return error_.empty();
    const std::size_t start = out.size();
    out.resize(start + count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd_, out.data() + start + got, count - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.resize(start + got);
            return fail(errno);
        }
        if (n == 0) {
            end_ = true;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    out.resize(start + got);
    return true;
}

bool ProgramFile::readRest(std::string& out) {
    // One read of the expected size, then one more to see the end (the file
    // may have grown, or be a pipe without a size).
    constexpr std::size_t kChunk = 1 << 16;
    std::size_t next = sizeHint_ > 0 ? sizeHint_ + 1 : kChunk;
    while (!end_) {
        if (!readMore(out, next)) return false;
        next = kChunk;
    }
    return true;
}

}  // namespace orca
