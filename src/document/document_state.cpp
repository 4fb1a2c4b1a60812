#include "document/document_state.h"

namespace orca {

std::string CaptionBracketed(std::string_view path) {
    return std::string(kMainCaption) + "【" + std::string(path) + "】";
}

std::string CaptionSpaced(std::string_view path) {
    return std::string(kMainCaption) + "  " + std::string(path);
}

DocumentState::DocumentState() : caption_(kMainCaption) {}

void DocumentState::opened(const std::string& path, FileEncoding encoding, CaptionStyle style) {
    path_ = path;
    hasPath_ = true;
    encoding_ = encoding;
    modified_ = false;
    caption_ = style == CaptionStyle::Bracketed ? CaptionBracketed(path) : CaptionSpaced(path);
}

void DocumentState::named(const std::string& path) {
    path_ = path;
    hasPath_ = true;
}

void DocumentState::saved() { modified_ = false; }

void DocumentState::savedAs() {
    saved();
    caption_ = CaptionBracketed(path_);
}

}  // namespace orca
