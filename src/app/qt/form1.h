#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/qt/dialog_message_sink.h"
#include "app/settings_file.h"
#include "app/ui/pictures.h"
#include "base/cancel_flag.h"
#include "document/document_state.h"
#include "document/program_loading.h"
#include "document/qt/cp932_codec.h"
#include "nc/plot_engine.h"
#include "view/hit_index.h"
#include "view/window_pixels.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;
class QToolButton;

namespace orca {

class EditorPane;
class FormCommands;
class ProgressControl;
class SplitterBar;
class SurfaceView;
class ToolMarkerView;
class UserDialogs;

// The main window: menus, toolbar, editor pane, splitter, drawing area with
// its ring of pan buttons, status bar and progress bar, and the document.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    Form1(SettingsFile settings, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up after the window was created: window state, show, font,
    // grid, surface height, the command-line file, the recent-file menu.
    void startUp(const std::vector<std::string>& args);

    // What the commands work with.
    EditorPane& richCode() { return *richCode_; }
    SurfaceView& picBox1() { return *picBox1_; }
    ToolMarkerView& imgRoute() { return *imgRoute_; }
    PlotEngine& engine() { return engine_; }
    UserDialogs& dialogs() { return dialogs_; }
    SettingsFile& settings() { return settings_; }
    ProgressControl& progressBar1() { return *progress_; }
    QWidget& progressBarWidget();
    void setStatusText(const std::string& text);
    std::string statusText() const;
    // Toolbar1's button at a position, separators counted (the trace button is 7).
    static constexpr int kTraceButtonPosition = 7;
    QAction* toolbarButton(int position) const;
    int buttonPicture(int position) const;
    void setButtonPicture(int position, int imageIndex);
    QToolButton* panButton(PanDirection direction) const;
    // The draw driver, the view hosts and the find state.
    FormCommands& commands();
    // The frame picMain's outer size, in twips.
    float picMainWidth() const { return static_cast<float>(layout_.frame.width); }
    float picMainHeight() const { return static_cast<float>(layout_.frame.height); }

    const std::string& documentPath() const { return document_.path(); }
    bool hasDocumentPath() const { return document_.hasPath(); }
    TextEncoding documentEncoding() const { return document_.encoding().encoding; }
    int splitLeft() const { return splitLeft_; }
    const MainLayout& currentLayout() const { return layout_; }
    double twipsPerPixel() const;

public slots:
    void mnuOpen_Click();
    void mnuUpdSave_Click();
    void mnuNameSave_Click();
    void mnuExit_Click();
    void mnuLine99_Click(int index);
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditDelete_Click();
    void mnuSearchFind_Click();
    void mnuSearchFindNext_Click();
    void mnuViewReDsp_Click();
    void mnuViewTrace_Click();
    void mnuViewScaleUp_Click();
    void mnuViewScaleDown_Click();
    void mnuDspInit_Click();
    void mnuFont_Click();
    void mnuHelpVer_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdLeft_Click();
    void cmdRight_Click();
    void cmdLeftUp_Click();
    void cmdLeftDown_Click();
    void cmdRightUp_Click();
    void cmdRightDown_Click();

    void richCode_OLEDragDrop(const QStringList& files);
    void lineDspToStatusBar_Sub();
    // The right end of the status bar names the word reading of the program shown.
    void showReading();
    void Layout_Sub();
    void HistoryRead_Sub();

    QMenu* createPopupMenu() override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    enum class LoadRoute { Open, Recent, Drop, CommandLine };

    void buildMenus();
    void buildToolbar();
    void buildDrawingArea();
    QAction* menuItem(QMenu* menu, const char* name, const char* caption, void (Form1::*handler)());
    QAction* menuSeparator(QMenu* menu, const char* name);
    // The toolbar's trace button.
    void traceButton_Click();

    void Form_Resize();
    void panCommand(PanDirection direction);
    void scheduleViewReplay();
    void picSplit_MouseDown(int xPx);
    void picSplit_MouseMove(int xPx);
    void picSplit_MouseUp(int xPx);
    int toTwips(int px) const;
    int toPixels(int twips) const;

    // Hook the draw driver fills: a running redraw or trace is stopped
    // before a file is loaded or saved.
    void stopRunningDraw();

    // The mouse on the drawing, the caret's highlight and the coordinates.
    static constexpr double kHitTolerancePx = 5.0;
    void bindDrawingPointer();
    WindowPixels surfacePixels() const;
    // A new draw starts: what the hit index knows is gone.
    void drawingReplaced();
    void picBox1_Click(QPointF px);
    void picBox1_Wheel(QPointF px, int notches);
    void picBox1_Drag(QPointF delta);
    void picBox1_MouseMove(QPointF px);

    // True, with the status text saying so, while a load replaces the
    // document: the window's events run during a load, and a command then
    // would act on a document that is half replaced. While the load works
    // in the background, `afterLoad` (the command again) runs once the load
    // has ended, as a click did when the window did not answer meanwhile;
    // inside a message box the load shows, the command is dropped.
    bool refusedDuringLoad(std::function<void()> afterLoad = {});
    // The load's cancel request (Esc, the trace button "中断", closing the window).
    void cancelLoad() { loadCancel_.request(); }
    std::optional<std::int16_t> decideMode(const ProgramBytes& file, bool recentEntry);
    void loadDocument(const std::string& path, LoadRoute route);
    void openRecent(const std::string& path);
    // Runs `work` on a worker thread while the window's events run (see
    // RunBesideEventLoop), the editor read-only meanwhile.
    void runInBackground(const std::function<void()>& work);
    // Reads the file on a worker thread; nothing when the read was cancelled.
    std::optional<ProgramBytes> readInBackground(const std::string& path);
    // Puts the file's text in the editor; how it was read is how a save
    // writes it back. The passes run on a worker thread over a copy of the
    // picture (`window` and `frameReset` say how it starts); nothing when
    // the load was cancelled, and then nothing of the window has changed.
    std::optional<FileEncoding> FileTextDsp_Sub(const std::string& path, std::string bytes, std::int16_t mode,
                                                bool frameReset);
    // Sets the window up for a load (trace button "中断") and back when it
    // ends, then lets the commands that waited run.
    class LoadScope;
    // The caption names the document as document_ says, set here only.
    void showCaption();
    void enableSaveCommands();
    // Where the Open and Save As dialogs start: the document's folder, else
    // the folder last chosen in either, else the current folder.
    std::string dialogFolder() const;
    void rememberDialogFolder(const std::string& chosen);

    // The question before an edit would be lost; true to go on.
    bool keepEditsOrDiscard();
    bool overwriteSave(bool confirm);
    bool saveAs();
    bool writeDocument(const std::string& path);

    SettingsFile settings_;
    UserDialogs& dialogs_;
    DialogMessageSink messages_;
    QtTextCodec codec_;

    EditorPane* richCode_ = nullptr;
    SplitterBar* picSplit_ = nullptr;
    QWidget* picMain_ = nullptr;
    SurfaceView* picBox1_ = nullptr;
    ToolMarkerView* imgRoute_ = nullptr;
    std::array<QToolButton*, 8> panButtons_{};
    QToolBar* toolbar1_ = nullptr;
    std::array<QAction*, 10> toolbarButtons_{};
    QLabel* stsBar1_ = nullptr;
    QLabel* stsCoords_ = nullptr;
    QLabel* stsReading_ = nullptr;  // "標準" while a program is read the standard way
    QProgressBar* progressWidget_ = nullptr;
    std::unique_ptr<ProgressControl> progress_;
    QMenu* mnuFile_ = nullptr;
    QAction* mnuLine99Separator_ = nullptr;
    std::vector<QAction*> recentEntries_;
    QAction* mnuUpdSave_ = nullptr;
    QAction* mnuNameSave_ = nullptr;

    PlotEngine engine_;
    std::unique_ptr<FormCommands> commands_;
    HitIndex hitIndex_;
    ScaleWindow dragWindow_;

    MainLayout layout_;
    int splitLeft_ = kInitialSplitLeft;
    std::int16_t SplitDragging = 0;  // -1 (VB true) while the splitter is dragged, else 0
    int splitPressX_ = 0;

    bool loading_ = false;
    bool loadInBackground_ = false;
    CancelFlag loadCancel_;
    std::vector<std::function<void()>> afterLoad_;
    bool replayPending_ = false;
    DocumentState document_;
    std::string lastDialogFolder_;
};

}  // namespace orca
