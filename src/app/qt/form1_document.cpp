#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTimer>
#include <atomic>
#include <utility>

#include "app/qt/background_work.h"
#include "app/qt/detached_plot.h"
#include "app/qt/form1.h"
#include "app/ui/progress_control.h"
#include "app/ui/surface_view.h"
#include "document/file_mode.h"
#include "document/program_loading.h"
#include "document/qt/editor_pane.h"
#include "document/qt/editor_text_load.h"
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

// How often the progress bar follows a load running on the worker thread.
constexpr int kProgressTickMs = 50;

}  // namespace

bool Form1::refusedDuringLoad(std::function<void()> afterLoad) {
    if (!loading_) return false;
    setStatusText("読み込み中です");
    if (afterLoad && loadInBackground_) afterLoad_.push_back(std::move(afterLoad));
    return true;
}

class Form1::LoadScope {
public:
    explicit LoadScope(Form1& form)
        : form_(form),
          traceCaption_(form.toolbarButton(kTraceButtonPosition)->text()),
          statusBefore_(form.statusText()) {
        form_.loading_ = true;
        form_.loadCancel_.reset();
        form_.toolbarButton(kTraceButtonPosition)->setText(QString::fromUtf8(kStopCaption));
    }
    ~LoadScope() {
        form_.loading_ = false;
        form_.toolbarButton(kTraceButtonPosition)->setText(traceCaption_);
        // After the events the load's own end queued, in the order given.
        for (std::function<void()>& command : std::exchange(form_.afterLoad_, {})) {
            QTimer::singleShot(0, &form_, std::move(command));
        }
    }
    // A cancelled load leaves the status bar as it found it.
    void cancelled() {
        if (form_.progress_->visible()) {
            form_.progress_->setVisible(false);
            form_.progress_->setValue(0);
        }
        form_.setStatusText(statusBefore_);
    }

private:
    Form1& form_;
    QString traceCaption_;
    std::string statusBefore_;
};

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
// under the new name. Reading and both passes run on a worker thread while
// the window's events run; a load cancelled meanwhile changes nothing.
void Form1::loadDocument(const std::string& path, LoadRoute route) {
    if (refusedDuringLoad()) return;
    stopRunningDraw();
    LoadScope scope(*this);
    std::optional<ProgramBytes> file = readInBackground(path);
    if (!file) return scope.cancelled();
    if (!file->ok() && !file->openFailed) {
        messages_.showMessage(file->error);
        return;
    }
    if (file->openFailed) messages_.showMessage(file->error);
    const std::optional<std::int16_t> mode = decideMode(*file, route == LoadRoute::Recent);
    if (!mode) return;
    if (file->openFailed) {
        messages_.showMessage(file->error);
    } else {
        const std::optional<FileEncoding> encoding =
            FileTextDsp_Sub(path, std::move(file->bytes), *mode, route != LoadRoute::CommandLine);
        if (!encoding) return scope.cancelled();
        document_.opened(path, *encoding,
                         route == LoadRoute::Open ? CaptionStyle::Bracketed : CaptionStyle::Spaced);
        showCaption();
        if (route == LoadRoute::Open) enableSaveCommands();
    }
    if (route == LoadRoute::Recent) return;
    HistoryWrite_Sub(settings_, path);
    if (route != LoadRoute::CommandLine) HistoryRead_Sub();
}

std::optional<ProgramBytes> Form1::readInBackground(const std::string& path) {
    ProgramBytes file;
    runInBackground([&] {
        file = ReadProgramFile(path, {AvailableMemoryNow, kEditorMaxLineBytes, &loadCancel_});
    });
    if (loadCancel_.requested()) return std::nullopt;
    return file;
}

void Form1::runInBackground(const std::function<void()>& work) {
    const QScopedValueRollback<bool> background(loadInBackground_, true);
    // Typing meanwhile would edit a text the load is about to replace.
    const bool readOnly = richCode_->isReadOnly();
    richCode_->setReadOnly(true);
    RunBesideEventLoop(work, loadCancel_);
    richCode_->setReadOnly(readOnly);
}

std::optional<FileEncoding> Form1::FileTextDsp_Sub(const std::string& path, std::string bytes,
                                                   std::int16_t mode, bool frameReset) {
    DetachedPlot plot(engine_, picBox1_->raster());
    plot.engine().nc.IncFlag = mode;
    plot.engine().settings.IncFlagDefault = mode;
    if (frameReset) ResetWindow(plot.engine(), picMainWidth(), picMainHeight());

    if (!bytes.empty()) {
        setStatusText("読み込み中... " + path);
        progress_->setMax(static_cast<std::int64_t>(bytes.size()));
        progress_->setMin(0);
        progress_->setVisible(true);
        progress_->setValue(progress_->min());
    }
    // The worker only counts; the bar follows on this thread. Both passes
    // read the decoded text, whose length is known once the worker has
    // decoded the bytes.
    std::atomic<std::size_t> passBytes{0};
    std::atomic<std::size_t> textDone{0};
    EditorTextLoad editorText(*richCode_, bytes.size() + bytes.size() / 16);
    LoadCallbacks callbacks;
    callbacks.started = [&passBytes, &editorText](std::uint64_t total) {
        const auto textBytes = static_cast<std::size_t>(total);
        passBytes.store(2 * textBytes, std::memory_order_relaxed);
        // Decoding may have grown the text: the editor's room follows it.
        editorText.expect(textBytes + textBytes / 16);
    };
    callbacks.progress = [&textDone](std::size_t done) { textDone.store(done, std::memory_order_relaxed); };
    callbacks.editorText = [&editorText](std::string_view piece) { editorText.append(piece); };
    callbacks.cancel = &loadCancel_;
    const auto showProgress = [&] {
        const auto total = static_cast<std::int64_t>(passBytes.load(std::memory_order_relaxed));
        if (total > 0 && total != progress_->max()) progress_->setMax(total);
        progress_->setValue(static_cast<std::int64_t>(textDone.load(std::memory_order_relaxed)));
    };
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, showProgress);
    ticker.start(kProgressTickMs);

    LoadedProgram loaded;
    runInBackground([&] { loaded = LoadProgramBytes(plot.engine(), std::move(bytes), codec_, callbacks); });
    ticker.stop();
    if (loadCancel_.requested()) return std::nullopt;
    if (!richCode_->showLoadedText(editorText)) {
        messages_.showMessage(kLoadOutOfMemoryMessage);
        return std::nullopt;
    }
    showProgress();

    drawingReplaced();
    plot.applyTo(engine_, *picBox1_, messages_);
    setStatusText("");
    if (progress_->visible()) {
        progress_->setVisible(false);
        progress_->setValue(0);
    }
    lineDspToStatusBar_Sub();
    if (engine_.nc.ExpressionLines > 0) setStatusText(ExpressionLinesStatusText(engine_.nc.ExpressionLines));
    return FileEncoding{loaded.encoding, loaded.utf8Repaired};
}

void Form1::showCaption() { setWindowTitle(QString::fromStdString(document_.caption())); }

void Form1::enableSaveCommands() {
    mnuUpdSave_->setEnabled(true);
    mnuNameSave_->setEnabled(true);
}

void Form1::mnuOpen_Click() {
    if (refusedDuringLoad([this] { mnuOpen_Click(); })) return;
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
    openRecent(recentEntries_[index - 1]->data().toString().toStdString());
}

void Form1::openRecent(const std::string& path) {
    // The list changes with the load it waits for: the entry is kept by its path.
    if (refusedDuringLoad([this, path] { openRecent(path); })) return;
    if (!keepEditsOrDiscard()) return;
    loadDocument(path, LoadRoute::Recent);
}

void Form1::richCode_OLEDragDrop(const QStringList& files) {
    if (files.isEmpty()) return;
    if (refusedDuringLoad([this, files] { richCode_OLEDragDrop(files); })) return;
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
