#include "app/qt/user_dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

namespace orca {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QStringList filtersOf(const FileDialogRequest& r) {
    QStringList filters;
    for (const auto& f : r.nameFilters) filters << q(f);
    return filters;
}

void setUp(QFileDialog& dlg, const FileDialogRequest& r) {
    if (!r.title.empty()) dlg.setWindowTitle(q(r.title));
    if (!r.initialDir.empty()) dlg.setDirectory(q(r.initialDir));
    if (!r.fileName.empty()) dlg.selectFile(q(r.fileName));
    dlg.setOption(QFileDialog::HideNameFilterDetails);
    dlg.setNameFilters(filtersOf(r));
}

// A path the flags require to exist but that does not; the dialog is shown again.
bool refused(const QString& path, const FileDlgMode& mode) {
    const QFileInfo info(path);
    if (mode.fileMustExist && !info.exists()) return true;
    return mode.pathMustExist && !info.absoluteDir().exists();
}

}  // namespace

MsgAnswer QtUserDialogs::message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                 const std::string& title) {
    QMessageBox box(iconOf(icon), q(title), q(text), QMessageBox::NoButton, owner_);
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        default:
            return MsgAnswer::Cancel;
    }
}

std::vector<std::string> QtUserDialogs::openFiles(const FileDialogRequest& request) {
    QFileDialog dlg(owner_);
    setUp(dlg, request);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    if (request.mode.multiSelect) {
        dlg.setFileMode(QFileDialog::ExistingFiles);
    } else {
        dlg.setFileMode(request.mode.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    while (dlg.exec() == QDialog::Accepted) {
        const QStringList files = dlg.selectedFiles();
        if (files.isEmpty() || refused(files.first(), request.mode)) continue;
        std::vector<std::string> chosen;
        for (const auto& f : files) chosen.push_back(QDir::toNativeSeparators(f).toStdString());
        return chosen;
    }
    return {};
}

std::optional<std::string> QtUserDialogs::saveFile(const FileDialogRequest& request) {
    QFileDialog dlg(owner_);
    setUp(dlg, request);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !request.mode.confirmOverwrite);
    while (dlg.exec() == QDialog::Accepted) {
        const QStringList files = dlg.selectedFiles();
        if (files.isEmpty() || refused(files.first(), request.mode)) continue;
        return QDir::toNativeSeparators(files.first()).toStdString();
    }
    return std::nullopt;
}

std::optional<QFont> QtUserDialogs::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, owner_);
    if (!ok) return std::nullopt;
    return chosen;
}

int QtUserDialogs::runModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace orca
