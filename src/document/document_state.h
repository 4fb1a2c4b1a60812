#pragma once

#include <string>
#include <string_view>

#include "document/text_encoding.h"

namespace orca {

// The main window's caption before any document is loaded.
inline constexpr const char* kMainCaption = "OrcaＮＣEditor-NC簡易エディター";

// Caption after Open and Save As: the path in 【】 brackets.
std::string CaptionBracketed(std::string_view path);
// Caption after a recent entry, a drop or the command line: two blanks, then the path.
std::string CaptionSpaced(std::string_view path);

// How the caption names the document: a file chosen in a dialog (Open,
// Save As) stands in 【】, one from a recent entry, a drop or the command
// line follows two blanks.
enum class CaptionStyle { Bracketed, Spaced };

// How a save writes the text back: in the encoding the file was read in,
// refusing a U+FFFD that may stand for bytes a UTF-8 file held that were not
// UTF-8 (see SaveBytes).
struct FileEncoding {
    TextEncoding encoding = TextEncoding::Cp932;
    bool utf8Repaired = false;
};

// What the main window knows of its document besides the text: the file a
// save writes, how it writes it, whether the text changed since it was
// loaded or saved, and the caption naming it.
//
// The caption names the file the text was last loaded from or saved as. It
// can differ from the save path: Save As takes its name before it writes, so
// a write that fails still sends the next save there, but the caption keeps
// the old name until a Save As succeeds.
class DocumentState {
public:
    // No file yet: the caption is the program's own.
    DocumentState();

    // A file's text is now the editor's.
    void opened(const std::string& path, FileEncoding encoding, CaptionStyle style);
    // Save As chose `path`: every later save writes there.
    void named(const std::string& path);
    // The text was written to path() by an overwrite save.
    void saved();
    // The text was written where named() said, by Save As: the caption
    // names that file now.
    void savedAs();
    // The editor's text left or came back to what was loaded or saved.
    void setModified(bool modified) { modified_ = modified; }

    const std::string& path() const { return path_; }
    bool hasPath() const { return hasPath_; }
    const FileEncoding& encoding() const { return encoding_; }
    bool modified() const { return modified_; }
    const std::string& caption() const { return caption_; }

private:
    std::string path_;
    bool hasPath_ = false;
    FileEncoding encoding_;
    bool modified_ = false;
    std::string caption_;
};

}  // namespace orca
