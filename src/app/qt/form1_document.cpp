#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScopedValueRollback>

#include "app/qt/form1.h"
#include "app/ui/progress_control.h"
#include "document/file_mode.h"
#include "document/program_loading.h"
#include "document/qt/editor_pane.h"
#include "document/qt/show_file_dlg.h"
#include "document/qt/user_dialogs.h"
#include "document/recent_caption.h"
#include "nc/route_driver.h"
#include "nc/view_fit.h"

namespace orca {
namespace {

constexpr const char* kModeQuestion = "ＡＢＳ（絶対）座標ですか？";

// The editor lays out each line it shows in whole, at about 2 MB a second:
// a screen of 16 KB lines takes a second, longer ones would freeze the
// window (a screen of 1 MB lines, a minute) instead of showing the program.
constexpr std::uint64_t kEditorMaxLineBytes = 16 << 10;

}  // namespace

bool Form1::refusedDuringLoad() {
    if (loading_) setStatusText("読み込み中です");
    return loading_;
}

std::optional<std::int16_t> Form1::decideMode(const ProgramBytes& file, bool recentEntry) {
    const std::int16_t detected =
        file.ok() ? AbsIncModeInBytes(file.bytes, codec_, engine_.settings.StandardReading) : -1;
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

// The file is read once, before anything of the document changes: a file
// that cannot be read or is refused leaves mode, view, path, caption, text
// and drawing as they were, and the new path becomes the document's only
// when its text is in the editor, so no command can write the old text
// under the new name.
void Form1::loadDocument(const std::string& path, LoadRoute route) {
    if (refusedDuringLoad()) return;
    const QScopedValueRollback<bool> loading(loading_, true);
    stopRunningDraw();
    ProgramBytes file = ReadProgramFile(path, {AvailableMemoryNow, kEditorMaxLineBytes});
    if (!file.ok() && !file.openFailed) {
        messages_.showMessage(file.error);
        return;
    }
    if (file.openFailed) messages_.showMessage(file.error);
    const std::optional<std::int16_t> mode = decideMode(file, route == LoadRoute::Recent);
    if (!mode) return;
    if (file.openFailed) {
        messages_.showMessage(file.error);
    } else {
        engine_.nc.IncFlag = *mode;
        engine_.settings.IncFlagDefault = *mode;
        if (route != LoadRoute::CommandLine) ResetWindow(engine_, picMainWidth(), picMainHeight());
        const FileEncoding encoding = FileTextDsp_Sub(path, std::move(file.bytes));
        document_.opened(path, encoding,
                         route == LoadRoute::Open ? CaptionStyle::Bracketed : CaptionStyle::Spaced);
        showCaption();
        if (route == LoadRoute::Open) enableSaveCommands();
    }
    if (route == LoadRoute::Recent) return;
    HistoryWrite_Sub(settings_, path);
    if (route != LoadRoute::CommandLine) HistoryRead_Sub();
}

FileEncoding Form1::FileTextDsp_Sub(const std::string& path, std::string bytes) {
    LoadCallbacks callbacks;
    callbacks.started = [this, &path](std::uint64_t fileBytes) {
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

    const LoadedProgram loaded = LoadProgramBytes(engine_, std::move(bytes), codec_, callbacks);
    if (loaded.status == LoadStatus::Empty) {
        // An empty file is an empty document: nothing of the previous
        // program may stay where a save would write it into the new file.
        engine_.surface.Cls();
        engine_.displayList.clear();
    }
    richCode_->setProgramText(loaded.text);
    setStatusText("");
    if (progress_->visible()) {
        progress_->setVisible(false);
        progress_->setValue(0);
    }
    lineDspToStatusBar_Sub();
    if (engine_.nc.ExpressionLines > 0) setStatusText(ExpressionLinesStatusText(engine_.nc.ExpressionLines));
    return {loaded.encoding, loaded.utf8Repaired};
}

void Form1::showCaption() { setWindowTitle(QString::fromStdString(document_.caption())); }

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
    args.initialDir = dialogFolder();
    const std::string chosen = ShowFileDlg(dialogs_, args, QDir::currentPath().toStdString());
    if (chosen.empty() || chosen == kFileDlgError) return;
    rememberDialogFolder(chosen);
    loadDocument(chosen, LoadRoute::Open);
}

std::string Form1::dialogFolder() const {
    if (document_.hasPath())
        return QFileInfo(QString::fromStdString(document_.path())).absolutePath().toStdString();
    return lastDialogFolder_.empty() ? QDir::currentPath().toStdString() : lastDialogFolder_;
}

void Form1::rememberDialogFolder(const std::string& chosen) {
    lastDialogFolder_ = QFileInfo(QString::fromStdString(chosen)).absolutePath().toStdString();
}

void Form1::mnuLine99_Click(int index) {
    if (index < 1 || index > static_cast<int>(recentEntries_.size())) return;
    if (!keepEditsOrDiscard()) return;
    loadDocument(recentEntries_[index - 1]->data().toString().toStdString(), LoadRoute::Recent);
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
        auto* entry = new QAction(QString::fromStdString(RecentEntryCaption(path)), mnuFile_);
        entry->setObjectName("mnuLine99");
        entry->setData(QString::fromStdString(path));
        const int index = static_cast<int>(recentEntries_.size()) + 1;
        connect(entry, &QAction::triggered, this, [this, index] { mnuLine99_Click(index); });
        mnuFile_->addAction(entry);
        recentEntries_.push_back(entry);
    }
    if (!recentEntries_.empty()) mnuLine99Separator_->setVisible(true);
}

}  // namespace orca
