#include "document/document_path.h"

#include "document/program_file.h"

namespace orca {
namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string_view firstCharacters(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
        ++pos;
        while (pos < text.size() && isContinuationByte(text[pos])) ++pos;
    }
    return text.substr(0, pos);
}

}  // namespace

std::string DocumentPathOf(std::string_view candidate) {
    return std::string(TrimBlanks(firstCharacters(candidate, kDocumentPathChars)));
}

}  // namespace orca
