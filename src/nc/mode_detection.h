#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/load_memory.h"

namespace orca {

class MessageSink;
class TextCodec;

// The coordinate mode of decoded program text: 0 when a record containing
// "G90" comes first, 1 when one containing "G91" does (G90 is tested first
// in each record; comments count), -1 when neither occurs in the first 10
// records.
std::int16_t AbsIncModeInText(std::string_view text);

// The same for a program file (path trimmed of blanks), reading only as
// much of it as the first 10 records need. A file that cannot be opened is
// reported with the system's error text and gives -1, and so does a file
// too large for a load in the `available` memory, which is not read (the
// load refuses it).
std::int16_t AbsIncModeGet(const std::string& path, const TextCodec& codec, MessageSink& messages,
                           const AvailableMemory& available = MemAvailableNow);

}  // namespace orca
