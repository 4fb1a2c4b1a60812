#pragma once

#include <cstdint>
#include <string_view>

namespace orca {

class TextCodec;

// The coordinate mode of a program file's bytes as AbsIncModeInText finds it
// in the decoded text, decoding only the records searched, in the word
// reading given.
std::int16_t AbsIncModeInBytes(std::string_view bytes, const TextCodec& codec, bool standardReading = false);

}  // namespace orca
