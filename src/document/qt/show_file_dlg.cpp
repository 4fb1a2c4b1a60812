#include "document/qt/show_file_dlg.h"

#include "document/qt/user_dialogs.h"

namespace orca {

std::string ShowFileDlg(UserDialogs& dialogs, FileDlgArgs& args, const std::string& currentDir) {
    const FileDlgPlan plan = PrepareFileDlg(args, currentDir);
    if (plan.step == FileDlgPlan::Step::MessageOnly) {
        const MsgIcon icon = plan.box == FileDlgPlan::Box::Exclamation ? MsgIcon::Exclamation : MsgIcon::None;
        dialogs.message(plan.message, icon, MsgButtons::Ok, plan.messageTitle);
        return plan.result;
    }
    FileDialogRequest request;
    request.title = args.title;
    request.initialDir = args.initialDir;
    request.nameFilters = NameFiltersOf(args.filter);
    request.mode = FileDlgModeOf(args.kind, plan.flags);
    if (request.mode.save) return dialogs.saveFile(request).value_or(std::string());
    const std::vector<std::string> chosen = dialogs.openFiles(request);
    return chosen.empty() ? std::string() : chosen.front();
}

}  // namespace orca
