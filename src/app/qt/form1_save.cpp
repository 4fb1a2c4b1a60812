#include <QCloseEvent>

#include "app/qt/form1.h"
#include "document/qt/editor_pane.h"
#include "document/qt/file_overwrite.h"
#include "document/qt/user_dialogs.h"
#include "document/save_text.h"

namespace orca {
namespace {

constexpr const char* kSaveAsFilter = "すべてのﾌｧｲﾙ (*.*)|*.*|NC ﾌｧｲﾙ (*.ptp)|*.ptp|NC ﾌｧｲﾙ (*.nc)|*.nc";

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
    if (refusedDuringLoad([this, confirm] { overwriteSave(confirm); })) return false;
    stopRunningDraw();
    if (!document_.hasPath()) return saveAs();
    if (confirm && dialogs_.message("上書きしてよろしいですか？", MsgIcon::Question, MsgButtons::OkCancel) ==
                       MsgAnswer::Cancel) {
        return false;
    }
    if (!writeDocument(document_.path())) return false;
    document_.saved();
    dialogs_.message("上書き保存しました", MsgIcon::Information, MsgButtons::Ok);
    return true;
}

bool Form1::saveAs() {
    if (refusedDuringLoad([this] { saveAs(); })) return false;
    stopRunningDraw();
    FileDialogRequest request;
    request.title = "名前を付けて保存";
    request.initialDir = dialogFolder();
    if (document_.hasPath()) request.fileName = document_.path();
    request.nameFilters = saveAsFilters();
    request.mode.save = true;
    request.mode.confirmOverwrite = true;
    const std::optional<std::string> chosen = dialogs_.saveFile(request);
    if (!chosen) return false;
    rememberDialogFolder(*chosen);
    document_.named(*chosen);
    if (!writeDocument(document_.path())) return false;
    document_.savedAs();
    enableSaveCommands();
    showCaption();
    return true;
}

bool Form1::writeDocument(const std::string& path) {
    const FileEncoding& encoding = document_.encoding();
    const EncodeResult bytes =
        SaveBytes(richCode_->programText(), encoding.encoding, encoding.utf8Repaired, codec_);
    if (!bytes.ok()) {
        dialogs_.message(UnrepresentableMessage(*bytes.unrepresentable), MsgIcon::Exclamation,
                         MsgButtons::Ok);
        return false;
    }
    bool opened = false;
    const std::optional<std::string> error = OverwriteFile(path, bytes.bytes, [&] {
        opened = true;
        setStatusText("書き込み中... " + path);
    });
    // The status text tells of a write only once one has begun.
    if (opened) setStatusText("");
    if (error) {
        dialogs_.message(*error, MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    richCode_->markSaved();
    return true;
}

bool Form1::keepEditsOrDiscard() {
    if (!document_.modified()) return true;
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
    if (loading_) {
        // A load is cancelled first; once it has stopped the window closes
        // as ever (asking about edits), and nothing else waits for it.
        cancelLoad();
        afterLoad_.assign(1, [this] { close(); });
        e->ignore();
        return;
    }
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
