#include <QCoreApplication>
#include <QDir>
#include <QMenu>

#include "app/app_identity.h"
#include "app/qt/form1.h"
#include "app/qt/user_dialogs.h"
#include "app/ui/editor_pane.h"
#include "app/ui/progress_control.h"
#include "document/document_path.h"
#include "document/program_loading.h"
#include "document/qt/show_file_dlg.h"
#include "nc/mode_detection.h"
#include "nc/view_fit.h"

namespace orca {
namespace {

constexpr const char* kModeQuestion = "ＡＢＳ（絶対）座標ですか？";

// The editor lays out each line it shows in whole, at about 2 MB a second:
// a screen of 16 KB lines takes a second, longer ones would freeze the
// window (a screen of 1 MB lines, a minute) instead of showing the program.
constexpr std::uint64_t kEditorMaxLineBytes = 16 << 10;

}  // namespace

std::optional<std::int16_t> Form1::decideMode(const std::string& path, bool recentEntry) {
    const std::int16_t detected = AbsIncModeGet(path, codec_, messages_);
    if (detected >= 0) return detected;
    const std::string question = std::string(kModeQuestion) + (recentEntry ? "\r\n" : "");
    switch (dialogs_.message(question, MsgIcon::Question, MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            return 0;
        case MsgAnswer::No:
            return 1;
        default:
            return std::nullopt;
    }
}

void Form1::loadDocument(const std::string& candidate, LoadRoute route) {
    stopRunningDraw();
    const std::string path = DocumentPathOf(candidate);
    const std::optional<std::int16_t> mode = decideMode(path, route == LoadRoute::Recent);
    if (!mode) return;
    engine_.nc.IncFlag = *mode;
    engine_.settings.IncFlagDefault = *mode;

    const std::string previousPath = documentPath_;
    const bool previousHasPath = hasDocumentPath_;
    const QString previousCaption = windowTitle();
    documentPath_ = path;
    hasDocumentPath_ = true;
    if (route == LoadRoute::Open) {
        setWindowTitle(QString::fromStdString(CaptionBracketed(path)));
        QCoreApplication::processEvents();
    }
    if (route != LoadRoute::CommandLine) ResetWindow(engine_, picMainWidth(), picMainHeight());
    if (FileTextDsp_Sub() == LoadStatus::OpenFailed) {
        // The editor still holds the previous program, so it stays that
        // program's document: a save must never write it over the file that
        // could not be read.
        documentPath_ = previousPath;
        hasDocumentPath_ = previousHasPath;
        setWindowTitle(previousCaption);
    } else if (route != LoadRoute::Open) {
        setWindowTitle(QString::fromStdString(CaptionSpaced(path)));
    }
    if (route == LoadRoute::Open) enableSaveCommands();
    if (route == LoadRoute::Recent) return;
    HistoryWrite_Sub(settings_, path);
    if (route != LoadRoute::CommandLine) HistoryRead_Sub();
}

LoadStatus Form1::FileTextDsp_Sub() {
    LoadCallbacks callbacks;
    callbacks.started = [this](const std::string& path, std::uint64_t fileBytes) {
        richCode_->setProgramText("");
        setStatusText("読み込み中... " + path);
        progress_->setMax(static_cast<std::int64_t>(fileBytes));
        progress_->setMin(0);
        progress_->setVisible(true);
        progress_->setValue(progress_->min());
    };
    callbacks.progress = [this](std::size_t charsBuilt) {
        progress_->setValue(static_cast<std::int64_t>(charsBuilt));
    };
    callbacks.maxLineBytes = kEditorMaxLineBytes;

    LoadedProgram loaded = LoadProgramFile(engine_, documentPath_, codec_, callbacks);
    if (loaded.status != LoadStatus::Loaded) return loaded.status;
    richCode_->setProgramText(loaded.text);
    encoding_ = loaded.encoding;
    setStatusText("");
    if (progress_->visible()) {
        progress_->setVisible(false);
        progress_->setValue(0);
    }
    lineDspToStatusBar_Sub();
    return loaded.status;
}

void Form1::enableSaveCommands() {
    mnuUpdSave_->setEnabled(true);
    mnuNameSave_->setEnabled(true);
}

void Form1::mnuOpen_Click() {
    if (!keepEditsOrDiscard()) return;
    FileDlgArgs args;
    args.kind = 1;
    args.filter = "全てのﾌｧｲﾙ (*.*)|*.*|NC ﾌｧｲﾙ (*.ptp;*.nc)|*.ptp;*.nc|";
    args.title = "NCファイルの選択";
    args.kindOption = 1;
    args.commonOption = 1;
    args.style = 1;
    const std::string chosen = ShowFileDlg(dialogs_, args, QDir::currentPath().toStdString());
    if (chosen.empty() || chosen == kFileDlgError) return;
    loadDocument(chosen, LoadRoute::Open);
}

void Form1::mnuLine99_Click(int index) {
    if (index < 1 || index > static_cast<int>(recentEntries_.size())) return;
    if (!keepEditsOrDiscard()) return;
    loadDocument(recentEntries_[index - 1]->text().toStdString(), LoadRoute::Recent);
}

void Form1::richCode_OLEDragDrop(const QStringList& files) {
    if (files.isEmpty()) return;
    if (!keepEditsOrDiscard()) return;
    loadDocument(files.first().toStdString(), LoadRoute::Drop);
}

void Form1::HistoryRead_Sub() {
    for (QAction* entry : recentEntries_) delete entry;
    recentEntries_.clear();
    for (const std::string& path : HistoryList(settings_)) {
        auto* entry = new QAction(QString::fromStdString(path), mnuFile_);
        entry->setObjectName("mnuLine99");
        const int index = static_cast<int>(recentEntries_.size()) + 1;
        connect(entry, &QAction::triggered, this, [this, index] { mnuLine99_Click(index); });
        mnuFile_->addAction(entry);
        recentEntries_.push_back(entry);
    }
    if (!recentEntries_.empty()) mnuLine99Separator_->setVisible(true);
}

}  // namespace orca
