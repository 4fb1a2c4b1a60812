#pragma once

namespace orca {

// The Windows faces the program names ("MS ゴシック" for the editor,
// "ＭＳ Ｐゴシック" for the splash) resolve to the installed IPA faces, so
// names stay as stored while Japanese shows, monospaced where it must be.
void InstallFontSubstitutes();

}  // namespace orca
