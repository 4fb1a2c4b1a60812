#pragma once

#include <optional>
#include <string>

namespace orca {

// Why --render must not write its picture to `out`, checked before the
// program is read. The picture never replaces the program itself (the same
// file by device and inode, so also through a link or another name: exit
// code 2, the command line is wrong), and an `out` that exists must be a
// regular file (a FIFO would wait for a reader forever and a device is no
// picture: exit code 1, like any other output that cannot be written).
struct OutputRefusal {
    int exitCode = 0;
    std::string message;
};
[[nodiscard]] std::optional<OutputRefusal> CheckRenderOutput(const std::string& program,
                                                             const std::string& out);

}  // namespace orca
