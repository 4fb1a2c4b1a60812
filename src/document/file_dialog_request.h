#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orca {

inline constexpr const char* kFileDlgTitle = "ShowFileDlg Ver.1.0";
inline constexpr const char* kFileDlgError = "ERROR";

inline constexpr std::uint32_t OFN_READONLY = 0x1;
inline constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x2;
inline constexpr std::uint32_t OFN_HIDEREADONLY = 0x4;
inline constexpr std::uint32_t OFN_SHOWHELP = 0x10;
inline constexpr std::uint32_t OFN_NOVALIDATE = 0x100;
inline constexpr std::uint32_t OFN_ALLOWMULTISELECT = 0x200;
inline constexpr std::uint32_t OFN_EXTENSIONDIFFERENT = 0x400;
inline constexpr std::uint32_t OFN_PATHMUSTEXIST = 0x800;
inline constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;
inline constexpr std::uint32_t OFN_CREATEPROMPT = 0x2000;
inline constexpr std::uint32_t OFN_NOREADONLYRETURN = 0x8000;
inline constexpr std::uint32_t OFN_NOTESTFILECREATE = 0x10000;
inline constexpr std::uint32_t OFN_EXPLORER = 0x80000;
inline constexpr std::uint32_t OFN_NODEREFERENCELINKS = 0x100000;

// ShowFileDlg's arguments; filter, initial folder and title are rewritten as
// the caller's variables are.
struct FileDlgArgs {
    int kind = 1;  // 1 open, 2 save
    std::string filter;
    std::string initialDir;
    std::string title;
    long kindOption = 0;
    long commonOption = 0;
    int style = 1;  // 2 old style, anything else Explorer style
};

// What ShowFileDlg does before a dialog is shown: show it with `flags`, or
// show `message` and give `result` without a dialog.
struct FileDlgPlan {
    enum class Step { ShowDialog, MessageOnly };
    enum class Box { Exclamation, Plain };
    Step step = Step::ShowDialog;
    std::uint32_t flags = 0;
    std::string message;
    std::string messageTitle;
    Box box = Box::Exclamation;
    std::string result;  // "" or "ERROR" when no dialog is shown
};

// Checks the arguments, converts the filter ("|" becomes NUL, one NUL more),
// supplies the defaults and composes the flags.
FileDlgPlan PrepareFileDlg(FileDlgArgs& args, std::string_view currentDir);

// The converted filter as Qt name filters: the description as written, then
// its patterns as Qt reads them, "description (pattern pattern)". The dialog
// hides that last part, so the user sees the description alone.
std::vector<std::string> NameFiltersOf(std::string_view convertedFilter);

// How a Qt dialog honours the flags.
struct FileDlgMode {
    bool save = false;
    bool multiSelect = false;
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool confirmOverwrite = false;
};
FileDlgMode FileDlgModeOf(int kind, std::uint32_t flags);

}  // namespace orca
