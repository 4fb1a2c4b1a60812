#include "document/qt/user_dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QMessageBox>
#include <climits>
#include <cstdlib>
#include <memory>

#include "document/qt/title_fit.h"

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
    MakeTitleFit(box);
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

namespace {

// The style of `family` nearest to `weight` and `slant`: the slant first,
// then the closest weight.
QString nearestStyle(const QString& family, int weight, bool italic) {
    QString best;
    int bestDistance = INT_MAX;
    for (const QString& style : QFontDatabase::styles(family)) {
        // An oblique style slants as an italic one does (QFontDatabase::italic
        // knows only italic styles).
        const QFont styled = QFontDatabase::font(family, style, 10);
        const int distance = (styled.italic() != italic ? 10000 : 0) + std::abs(styled.weight() - weight);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = style;
        }
    }
    return best;
}

// Selects in the dialog's style list (the second list in it) the style of
// `family` nearest to the weight and slant of `like`.
void selectNearestStyle(QFontDialog& dialog, const QString& family, const QFont& like) {
    QListView* styles = dialog.findChildren<QListView*>().value(1);
    if (!styles) return;
    const QModelIndexList rows =
        styles->model()->match(styles->model()->index(0, 0), Qt::DisplayRole,
                               nearestStyle(family, like.weight(), like.italic()), 1, Qt::MatchExactly);
    if (!rows.isEmpty()) styles->setCurrentIndex(rows[0]);
}

}  // namespace

void PrepareFontDialog(QFontDialog& dialog, const QFont& initial) {
    // The dialog picks a face's first style where it finds no style of the
    // font's name, an oblique one for some faces: the style is chosen here,
    // at the start and whenever the user picks another face, by the weight
    // and slant shown so far.
    dialog.setCurrentFont(initial);
    selectNearestStyle(dialog, dialog.currentFont().family(), initial);
    auto shown = std::make_shared<QFont>(initial);
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, [&dialog, shown](const QFont& font) {
        const QFont before = *shown;
        *shown = font;
        if (font.family() == before.family()) return;
        shown->setWeight(before.weight());
        shown->setItalic(before.italic());
        // Once the dialog has finished its own update for the new face.
        QMetaObject::invokeMethod(
            &dialog,
            [&dialog, family = font.family(), before] { selectNearestStyle(dialog, family, before); },
            Qt::QueuedConnection);
    });
}

std::optional<QFont> QtUserDialogs::chooseFont(const QFont& initial) {
    QFontDialog dialog(owner_);
    PrepareFontDialog(dialog, initial);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

int QtUserDialogs::runModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace orca
