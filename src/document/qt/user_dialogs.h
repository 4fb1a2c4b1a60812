#pragma once

#include <QFont>
#include <optional>
#include <string>
#include <vector>

#include "base/app_title.h"
#include "document/file_dialog_request.h"

class QDialog;
class QFontDialog;
class QWidget;

namespace orca {

enum class MsgIcon { None, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::string initialDir;
    std::string fileName;
    std::vector<std::string> nameFilters;
    FileDlgMode mode;
};

// Every question, message and dialog the program puts to the user goes
// through here, so tests can answer them without a dialog ever blocking.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                              const std::string& title = kAppTitle) = 0;
    // The chosen files; empty when the user cancels.
    virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
    // The chosen file; nothing when the user cancels.
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    // Runs one of the program's own modal boxes and gives its result code.
    virtual int runModal(QDialog& dialog) = 0;
};

// The real dialogs: QMessageBox, QFileDialog, QFontDialog and QDialog::exec.
// The font dialog as the font command shows it, starting on `initial`.
void PrepareFontDialog(QFontDialog& dialog, const QFont& initial);

class QtUserDialogs : public UserDialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                      const std::string& title = kAppTitle) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    int runModal(QDialog& dialog) override;

private:
    QWidget* owner_ = nullptr;
};

}  // namespace orca
