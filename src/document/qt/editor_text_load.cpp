#include "document/qt/editor_text_load.h"

#include <cstddef>
#include <cstdint>

#include "document/qt/editor_pane.h"

namespace orca {

// The editor's loader interface: a document that is filled with no view
// attached (so no notification goes anywhere) and then becomes a document
// the pane can show. The layout is the editor library's own.
class EditorTextLoad::Loader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

protected:
    ~Loader() = default;
};

// The loader's calls below go through the layout above onto the editor
// library's own object, whose type the sanitizer's check of virtual calls
// cannot match to this declaration: that check is off for them.

// The editor makes a loader without looking at its view, so this is safe
// on any thread.
void EditorTextLoad::startLoader() {
    // No style bytes: the pane shows plain text in one style, and a byte of
    // style for each byte of text would double the memory a program takes.
    const long options =
        QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE |
        (expectedBytes_ >= (std::size_t{1} << 31) ? QsciScintillaBase::SC_DOCUMENTOPTION_TEXT_LARGE : 0);
    loader_ = reinterpret_cast<Loader*>(static_cast<std::intptr_t>(pane_.SendScintilla(
        QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(expectedBytes_), options)));
    failed_ = loader_ == nullptr;
}

[[gnu::no_sanitize("vptr")]] EditorTextLoad::~EditorTextLoad() {
    if (!loader_) return;
    loader_->Release();
    pane_.refreshView();
}

[[gnu::no_sanitize("vptr")]] void EditorTextLoad::append(std::string_view piece) {
    if (!loader_ && !failed_) startLoader();
    if (failed_ || piece.empty()) return;
    if (loader_->AddData(piece.data(), static_cast<std::ptrdiff_t>(piece.size())) !=
        QsciScintillaBase::SC_STATUS_OK) {
        failed_ = true;
    }
}

[[gnu::no_sanitize("vptr")]] void* EditorTextLoad::takeDocument() {
    if (!loader_ && !failed_) startLoader();
    if (failed_) return nullptr;
    void* document = loader_->ConvertToDocument();
    loader_ = nullptr;
    return document;
}

}  // namespace orca
