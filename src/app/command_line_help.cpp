#include "app/command_line_help.h"

#include "app/app_identity.h"

namespace orca {

std::string UsageText(std::string_view settingsFile) {
    return R"(Usage: orca-nc-editor [QT-OPTION]... [FILE]
  or:  orca-nc-editor --render FILE OUT.png [--size WxH] [--inc] [--grid PITCH]
                            [--standard] [--hole R]
  or:  orca-nc-editor --dump FILE [--window WxH] [--inc] [--grid PITCH]
                            [--standard] [--hole R] [--dump-lines]
Edit an NC part program (G-code) and plot its tool path.

Without --render or --dump the window opens, with FILE loaded when one is
given. Arguments that are not options are joined by blanks into one file
name, double quotes removed; a name that begins with '-' goes after '--'.

Headless commands (no window, no display needed):
  --render FILE OUT.png  draw FILE's tool path as the window would, on a black
                         image, into OUT.png (a name ending in .png that is
                         not FILE)
      --size WxH         image size in pixels (default 1200x800)
  --dump FILE            print the fitted view (V), grid lines (G), lines (L)
                         and arcs or circles (C) in surface coordinates
      --window WxH       surface size in its units (default 9000x6000)
      --dump-lines       end every L and C line with the program line that
                         drew it
  --inc                  read FILE as incremental (G91) whatever it says
  --grid PITCH           draw the grid, its lines PITCH apart (1 to 32767)
  --standard             read words the standard way: G0-G3, either case,
                         ';' comments, expressions left out (the window's
                         drawing setting; without it, this program's own way)
  --hole R               draw drilled holes with radius R (default 3)
  --                     what follows are file names, even those beginning '-'

  -h, --help             display this help and exit
      --version          output version information and exit

Qt's own options (-platform NAME, -style NAME, -session ID, -reverse, ...;
see qt6options(7)) are passed on to Qt.

Settings are kept in the file $ORCA_SETTINGS_FILE names, when it is set;
otherwise in OrcaＮＣEditor.ini beside the program when its folder is
writable and not a system one like /usr/bin (a build folder), else in
$XDG_CONFIG_HOME/OrcaNCEditor/OrcaＮＣEditor.ini (~/.config when
XDG_CONFIG_HOME is unset or not an absolute path). For this run:
  )" + std::string(settingsFile) +
           R"(

Exit status:
 0  if OK,
 1  if a file could not be read or written,
 2  if the command line is wrong.
)";
}

std::string VersionReport() {
    return std::string(kCommandName) + " (" + kAppTitle + ") " + std::string(VersionNumber()) +
           "\nCopyright (c) 2026 the " + kAppTitle +
           " developers.\nLicense MIT: free to use, change and share; there is NO WARRANTY.\n";
}

std::string WrongUsageReport(std::string_view error) {
    const std::string name = kCommandName;
    return name + ": " + std::string(error) + "\nTry '" + name + " --help' for more information.\n";
}

}  // namespace orca
