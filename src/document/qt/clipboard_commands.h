#pragma once

namespace orca {

class EditorPane;

// The clipboard in plain text only.
void ClipCopy_Sub(EditorPane& editor);
void ClipCut_Sub(EditorPane& editor);
// Pasted line breaks become the editor's CR LF.
void ClipPaste_Sub(EditorPane& editor);

}  // namespace orca
