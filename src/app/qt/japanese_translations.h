#pragma once

namespace orca {

// Loads Qt's own Japanese texts (standard buttons such as はい/いいえ, the
// file and font dialogs), so the whole interface reads in Japanese whatever
// the system's locale. False when the translation files are not installed;
// the program then works with Qt's English texts.
bool InstallJapaneseTranslations();

}  // namespace orca
