#pragma once

#include <string>

#include "document/file_dialog_request.h"

namespace orca {

class UserDialogs;

// ShowFileDlg: checks the arguments (rewriting filter, folder and title as
// the caller's variables), shows the open or save dialog the flags describe
// and gives the chosen path; the first one when several files are chosen.
// "" when the user cancels or an argument is refused, "ERROR" after a
// reported failure.
std::string ShowFileDlg(UserDialogs& dialogs, FileDlgArgs& args, const std::string& currentDir);

}  // namespace orca
