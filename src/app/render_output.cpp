#include "app/render_output.h"

#include <sys/stat.h>

namespace orca {

std::optional<OutputRefusal> CheckRenderOutput(const std::string& program, const std::string& out) {
    struct stat o {};
    // An output that does not exist yet is created; one that cannot be
    // looked at is left to the write, which names the reason.
    if (::stat(out.c_str(), &o) != 0) return std::nullopt;
    struct stat p {};
    if (::stat(program.c_str(), &p) == 0 && p.st_dev == o.st_dev && p.st_ino == o.st_ino) {
        return OutputRefusal{2, out + " is the program itself; give another name for the picture"};
    }
    if (!S_ISREG(o.st_mode)) return OutputRefusal{1, out + " exists and is not a regular file"};
    return std::nullopt;
}

}  // namespace orca
