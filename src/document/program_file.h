#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orca {

// A program file opened for reading its bytes. Failures carry the system's
// description of the error, which the callers show to the user.
class ProgramFile {
public:
    ProgramFile() = default;
    ~ProgramFile();
    ProgramFile(const ProgramFile&) = delete;
    ProgramFile& operator=(const ProgramFile&) = delete;

    // A directory is refused like a missing file.
    bool open(const std::string& path);
    // Appends up to `count` more bytes; false on a read error.
    bool readMore(std::string& out, std::size_t count);
    // Appends everything left; false on a read error.
    bool readRest(std::string& out);

    bool atEnd() const { return end_; }
    // The size of a regular file when it was opened; 0 for anything else.
    std::size_t sizeHint() const { return sizeHint_; }
    const std::string& error() const { return error_; }

private:
    bool fail(int errorNumber);

    int fd_ = -1;
    std::size_t sizeHint_ = 0;
    bool end_ = false;
    std::string error_;
};

}  // namespace orca
