#include <fcntl.h>

#include <QCloseEvent>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <system_error>

#include "app/app_identity.h"
#include "app/qt/form1.h"
#include "app/qt/user_dialogs.h"
#include "app/ui/editor_pane.h"
#include "document/save_text.h"

namespace orca {
namespace {

constexpr const char* kSaveAsFilter = "すべてのﾌｧｲﾙ (*.*)|*.*|NC ﾌｧｲﾙ (*.ptp)|*.ptp|NC ﾌｧｲﾙ (*.nc)|*.nc";

// A device or a pipe is written into: a file renamed over it would take the
// bytes in its place and report success (as root, replacing the device).
bool isDevice(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// Opens a device for writing; a pipe without a reader fails at once
// instead of waiting for one.
bool openDevice(QFile& device, const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !device.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        error = std::generic_category().message(errno);
        if (fd >= 0 && !device.isOpen()) ::close(fd);
        return false;
    }
    return true;
}

std::vector<std::string> saveAsFilters() {
    std::string converted = kSaveAsFilter;
    for (char& c : converted) {
        if (c == '|') c = '\0';
    }
    converted.append(2, '\0');
    return NameFiltersOf(converted);
}

}  // namespace

void Form1::mnuUpdSave_Click() { overwriteSave(true); }

void Form1::mnuNameSave_Click() { saveAs(); }

bool Form1::overwriteSave(bool confirm) {
    if (refusedDuringLoad()) return false;
    stopRunningDraw();
    if (!hasDocumentPath_) return saveAs();
    if (confirm && dialogs_.message("上書きしてよろしいですか？", MsgIcon::Question, MsgButtons::OkCancel) ==
                       MsgAnswer::Cancel) {
        return false;
    }
    if (!writeDocument(documentPath_)) return false;
    dialogs_.message("上書き保存しました", MsgIcon::Information, MsgButtons::Ok);
    return true;
}

bool Form1::saveAs() {
    if (refusedDuringLoad()) return false;
    stopRunningDraw();
    FileDialogRequest request;
    request.title = "名前を付けて保存";
    request.fileName = lastSaveName_;
    request.nameFilters = saveAsFilters();
    request.mode.save = true;
    request.mode.confirmOverwrite = true;
    const std::optional<std::string> chosen = dialogs_.saveFile(request);
    if (!chosen) return false;
    lastSaveName_ = *chosen;
    documentPath_ = *chosen;
    hasDocumentPath_ = true;
    if (!writeDocument(documentPath_)) return false;
    enableSaveCommands();
    setWindowTitle(QString::fromStdString(CaptionBracketed(documentPath_)));
    return true;
}

// The old file is replaced only once the new one is completely written, so
// a failure at any point leaves it as it was; a device is written directly.
bool Form1::writeDocument(const std::string& path) {
    const EncodeResult bytes = SaveBytes(richCode_->programText(), encoding_, utf8Repaired_, codec_);
    if (!bytes.ok()) {
        dialogs_.message(UnrepresentableMessage(*bytes.unrepresentable), MsgIcon::Exclamation,
                         MsgButtons::Ok);
        return false;
    }
    const QString name = QString::fromStdString(path);
    const bool direct = isDevice(name);
    QSaveFile replacement(name);
    QFile device;
    QFileDevice& file = direct ? static_cast<QFileDevice&>(device) : replacement;
    std::string openError;
    // Unbuffered, so that a write the disk takes only in part is seen here.
    const bool opened = direct ? openDevice(device, path, openError)
                               : replacement.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (!opened) {
        dialogs_.message(direct ? openError : replacement.errorString().toStdString(), MsgIcon::Exclamation,
                         MsgButtons::Ok);
        return false;
    }
    setStatusText("書き込み中... " + path);
    const auto size = static_cast<qint64>(bytes.bytes.size());
    qint64 written = 0;
    for (qint64 n = 0;
         written < size && (n = file.write(bytes.bytes.data() + written, size - written)) > 0;) {
        written += n;
    }
    // Only now does the new file take the old one's place.
    const auto finish = [&] {
        if (!direct) return replacement.commit();
        device.close();
        return device.error() == QFileDevice::NoError;
    };
    if (written != size || !finish()) {
        const std::string error = file.errorString().toStdString();
        if (!direct) replacement.cancelWriting();
        setStatusText("");
        dialogs_.message(error, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    setStatusText("");
    richCode_->markSaved();
    return true;
}

bool Form1::keepEditsOrDiscard() {
    if (!richCode_->changedSinceSave()) return true;
    switch (dialogs_.message("内容が変更されています。保存しますか？", MsgIcon::Question,
                             MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            return overwriteSave(false);
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

void Form1::mnuExit_Click() { close(); }

void Form1::closeEvent(QCloseEvent* e) {
    if (keepEditsOrDiscard()) {
        // A trace keeps the program running while it lets events in; closing
        // the window ends it.
        stopRunningDraw();
        e->accept();
    } else {
        e->ignore();
    }
}

}  // namespace orca
