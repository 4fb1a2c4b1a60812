#pragma once

#include <string>

class QImage;

namespace orca {

// Writes `image` as a PNG file at `path`: into a temporary file beside it,
// renamed over `path` only when every byte is written, so a failed write
// (full disk, file-size limit) leaves no half picture and keeps the one that
// was there. Empty when written, else why not.
std::string WritePngFile(const QImage& image, const std::string& path);

}  // namespace orca
