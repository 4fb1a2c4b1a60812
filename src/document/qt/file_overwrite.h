#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QFileDevice;

namespace orca {

// Writes all of `bytes` to an unbuffered file, writing again after a short
// write (which the file does not count as an error) until it is done or the
// system says why it cannot be.
bool WriteAll(QFileDevice& file, std::string_view bytes);

// Makes `bytes` the whole content of the file at `path` and leaves the file
// as a plain overwrite would: its name, links, owner, group and permissions.
// A regular file is replaced by a new one only once that is completely
// written, so a failure at any point leaves the old text whole. It is
// written in place instead where a replacement would not be the same file:
// a device or a pipe (which takes the bytes, and must not become a file), a
// file with several names (which all keep seeing one text), and a file in a
// folder the user may not write into. `opened` runs once the file is open
// for writing. Gives the system's description of a failure, or nothing.
std::optional<std::string> OverwriteFile(const std::string& path, std::string_view bytes,
                                         const std::function<void()>& opened);

}  // namespace orca
