#include "app/qt/form1.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/qt/form_commands.h"
#include "app/ui/progress_control.h"
#include "app/ui/splitter_bar.h"
#include "app/ui/surface_view.h"
#include "app/ui/tool_marker_view.h"
#include "document/qt/editor_pane.h"
#include "document/qt/user_dialogs.h"

namespace orca {
namespace {

constexpr const char* kPictureProperty = "picture";

struct PanButtonSpec {
    PanDirection direction;
    const char* name;
    void (Form1::*handler)();
};

constexpr std::array<PanButtonSpec, 8> kPanButtons = {{
    {PanDirection::Up, "cmdUp", &Form1::cmdUp_Click},
    {PanDirection::Down, "cmdDown", &Form1::cmdDown_Click},
    {PanDirection::Left, "cmdLeft", &Form1::cmdLeft_Click},
    {PanDirection::Right, "cmdRight", &Form1::cmdRight_Click},
    {PanDirection::LeftUp, "cmdLeftUp", &Form1::cmdLeftUp_Click},
    {PanDirection::LeftDown, "cmdLeftDown", &Form1::cmdLeftDown_Click},
    {PanDirection::RightUp, "cmdRightUp", &Form1::cmdRightUp_Click},
    {PanDirection::RightDown, "cmdRightDown", &Form1::cmdRightDown_Click},
}};

}  // namespace

Form1::Form1(SettingsFile settings, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      settings_(std::move(settings)),
      dialogs_(dialogs),
      messages_(dialogs),
      richCode_(new EditorPane(this)),
      picSplit_(new SplitterBar(this)),
      picMain_(new QWidget(this)),
      picBox1_(new SurfaceView(picMain_)),
      imgRoute_(new ToolMarkerView(*picBox1_)),
      engine_(picBox1_->surface(), *imgRoute_, messages_) {
    setObjectName("Form1");
    showCaption();
    setWindowIcon(QIcon(AppPicture()));

    buildMenus();
    buildToolbar();
    buildDrawingArea();
    // The design client area is 685 x 486 pixels below the menu bar.
    resize(685, 486 + menuBar()->sizeHint().height());

    stsBar1_ = new QLabel(this);
    stsBar1_->setObjectName("stsBar1Text");
    statusBar()->setObjectName("stsBar1");
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(stsBar1_, 1);
    stsReading_ = new QLabel(this);
    stsReading_->setObjectName("stsReading");
    statusBar()->addPermanentWidget(stsReading_);

    progressWidget_ = new QProgressBar(this);
    progressWidget_->setObjectName("ProgressBar1");
    progress_ = std::make_unique<ProgressControl>(*progressWidget_);
    progress_->setVisible(false);
    bindDrawingPointer();

    // A load's own text stays until it ends, which shows the caret's line: a
    // key in the editor, or the focus coming back from a menu, meanwhile
    // would hide what the window is doing.
    connect(richCode_, &EditorPane::caretStatusWanted, this, [this] {
        if (!loading_) lineDspToStatusBar_Sub();
    });
    connect(richCode_, &EditorPane::filesDropped, this, &Form1::richCode_OLEDragDrop);
    connect(richCode_, &EditorPane::modificationChanged, this,
            [this](bool modified) { document_.setModified(modified); });
    connect(picSplit_, &SplitterBar::pressed, this, &Form1::picSplit_MouseDown);
    connect(picSplit_, &SplitterBar::moved, this, &Form1::picSplit_MouseMove);
    connect(picSplit_, &SplitterBar::released, this, &Form1::picSplit_MouseUp);

    Layout_Sub();
}

Form1::~Form1() = default;

QAction* Form1::menuItem(QMenu* menu, const char* name, const char* caption, void (Form1::*handler)()) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

QAction* Form1::menuSeparator(QMenu* menu, const char* name) {
    QAction* line = menu->addSeparator();
    line->setObjectName(name);
    return line;
}

void Form1::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile_ = bar->addMenu("ファイル(&F)");
    mnuFile_->setObjectName("mnuFile");
    // The keys users expect of an editor, beside captions that stay as they are.
    menuItem(mnuFile_, "mnuOpen", "開く(&O)...", &Form1::mnuOpen_Click)->setShortcut(Qt::CTRL | Qt::Key_O);
    menuSeparator(mnuFile_, "mnuLine1");
    mnuUpdSave_ = menuItem(mnuFile_, "mnuUpdSave", "上書き保存(&S)", &Form1::mnuUpdSave_Click);
    mnuUpdSave_->setShortcut(Qt::CTRL | Qt::Key_S);
    mnuNameSave_ = menuItem(mnuFile_, "mnuNameSave", "名前を付けて保存(&A)...", &Form1::mnuNameSave_Click);
    menuSeparator(mnuFile_, "mnuLine2");
    menuItem(mnuFile_, "mnuExit", "終了(&X)", &Form1::mnuExit_Click);
    mnuLine99Separator_ = menuSeparator(mnuFile_, "mnuLine99");
    mnuLine99Separator_->setVisible(false);

    QMenu* edit = bar->addMenu("編集(&E)");
    edit->setObjectName("mnuEdit");
    menuItem(edit, "mnuEditCut", "切り取り(&T)  Ctrl+X", &Form1::mnuEditCut_Click);
    menuItem(edit, "mnuEditCopy", "コピー(&C)    Ctrl+C", &Form1::mnuEditCopy_Click);
    menuItem(edit, "mnuEditPaste", "貼り付け(&P) Ctrl+V", &Form1::mnuEditPaste_Click);
    menuItem(edit, "mnuEditDelete", "削除(&L)", &Form1::mnuEditDelete_Click)->setShortcut(Qt::Key_Delete);

    QMenu* search = bar->addMenu("検索(&S)");
    search->setObjectName("mnuSearch");
    menuItem(search, "mnuSearchFind", "検索(&F)", &Form1::mnuSearchFind_Click)
        ->setShortcut(Qt::CTRL | Qt::Key_F);
    menuItem(search, "mnuSearchFindNext", "次を検索(&N)", &Form1::mnuSearchFindNext_Click)
        ->setShortcut(Qt::Key_F3);

    QMenu* view = bar->addMenu("表示(&V)");
    view->setObjectName("mnuView");
    menuItem(view, "mnuViewReDsp", "再描画(&R)", &Form1::mnuViewReDsp_Click)->setShortcut(Qt::Key_F5);
    menuItem(view, "mnuViewTrace", "トレース(&T)", &Form1::mnuViewTrace_Click);
    menuSeparator(view, "mnuLine4");
    menuItem(view, "mnuViewScaleUp", "拡大(&I)", &Form1::mnuViewScaleUp_Click);
    menuItem(view, "mnuViewScaleDown", "縮小(&O)", &Form1::mnuViewScaleDown_Click);

    QMenu* init = bar->addMenu("設定(&O)");
    init->setObjectName("mnuInit");
    menuItem(init, "mnuDspInit", "描画(&D)...", &Form1::mnuDspInit_Click);
    menuSeparator(init, "mnuLine3");
    menuItem(init, "mnuFont", "フォント(&F)...", &Form1::mnuFont_Click);

    QMenu* help = bar->addMenu("ヘルプ(&H)");
    help->setObjectName("mnuHelp");
    menuItem(help, "mnuHelpVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", &Form1::mnuHelpVer_Click);
}

void Form1::buildToolbar() {
    toolbar1_ = addToolBar("Toolbar1");
    toolbar1_->setObjectName("Toolbar1");
    toolbar1_->setMovable(false);
    toolbar1_->setFloatable(false);
    toolbar1_->setIconSize(QSize(32, 32));
    toolbar1_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar1_->setContextMenuPolicy(Qt::PreventContextMenu);

    // Each button is bound to its command here, once: the trace button's
    // caption changes while a trace runs, and it must stop that trace.
    struct Button {
        const char* caption;  // nullptr: a separator
        int picture;
        void (Form1::*handler)();
    };
    constexpr std::array<Button, 9> kButtons = {{{"開く", 1, &Form1::mnuOpen_Click},
                                                 {"上書き", 2, &Form1::mnuUpdSave_Click},
                                                 {nullptr, 0, nullptr},
                                                 {"再描画", 3, &Form1::mnuViewReDsp_Click},
                                                 {"拡大", 4, &Form1::mnuViewScaleUp_Click},
                                                 {"縮小", 5, &Form1::mnuViewScaleDown_Click},
                                                 {"トレース", 6, &Form1::traceButton_Click},
                                                 {nullptr, 0, nullptr},
                                                 {"描画設定", 8, &Form1::mnuDspInit_Click}}};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const Button& b = kButtons[i];
        QAction* action =
            b.caption ? toolbar1_->addAction(QString::fromUtf8(b.caption)) : toolbar1_->addSeparator();
        toolbarButtons_[i + 1] = action;
        if (!b.caption) continue;
        connect(action, &QAction::triggered, this, b.handler);
        setButtonPicture(static_cast<int>(i + 1), b.picture);
        // The buttons show picture and caption but no tooltip.
        toolbar1_->widgetForAction(action)->installEventFilter(this);
    }
    // Wide enough for either caption of the trace button ("トレース" now,
    // "中断" while a trace runs), so no button shifts when it changes.
    QWidget* trace = toolbar1_->widgetForAction(toolbarButtons_[kTraceButtonPosition]);
    trace->setFixedWidth(trace->sizeHint().width());
}

// The toolbar is part of the window: no menu offers to hide it.
QMenu* Form1::createPopupMenu() { return nullptr; }

void Form1::buildDrawingArea() {
    picMain_->setObjectName("picMain");
    for (std::size_t i = 0; i < kPanButtons.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(kPanButtons[i].name);
        button->setIcon(PanArrow(kPanButtons[i].direction));
        button->setIconSize(QSize(14, 14));
        connect(button, &QToolButton::clicked, this, kPanButtons[i].handler);
        panButtons_[i] = button;
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ToolTip) return true;
    return QMainWindow::eventFilter(watched, e);
}

QWidget& Form1::progressBarWidget() { return *progressWidget_; }

void Form1::setStatusText(const std::string& text) {
    // Shown when the window's events next run (a load and a trace let them
    // run often): painting it at once for every traced line would cost far
    // more than drawing the line.
    stsBar1_->setText(QString::fromStdString(text));
}

std::string Form1::statusText() const { return stsBar1_->text().toStdString(); }

QAction* Form1::toolbarButton(int position) const {
    if (position < 1 || position >= static_cast<int>(toolbarButtons_.size())) return nullptr;
    return toolbarButtons_[position];
}

int Form1::buttonPicture(int position) const {
    const QAction* button = toolbarButton(position);
    return button ? button->property(kPictureProperty).toInt() : 0;
}

void Form1::setButtonPicture(int position, int imageIndex) {
    QAction* button = toolbarButton(position);
    if (!button || button->isSeparator()) return;
    button->setProperty(kPictureProperty, imageIndex);
    button->setIcon(ToolbarImage(imageIndex));
}

QToolButton* Form1::panButton(PanDirection direction) const {
    return panButtons_[static_cast<std::size_t>(direction)];
}

}  // namespace orca
