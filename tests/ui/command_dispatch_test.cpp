#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <map>

#include "app/ui/tool_marker_view.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

std::vector<std::string> itemsOf(QMenu* menu) {
    std::vector<std::string> items;
    for (QAction* a : menu->actions()) items.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return items;
}

TEST_F(Form1Test, MenusHoldEveryItemWithItsExactCaption) {
    started();
    std::vector<std::string> menus;
    for (QAction* a : form().menuBar()->actions()) menus.push_back(a->text().toStdString());
    EXPECT_EQ(menus, (std::vector<std::string>{"ファイル(&F)", "編集(&E)", "検索(&S)", "表示(&V)", "設定(&O)",
                                               "ヘルプ(&H)"}));
    EXPECT_EQ(itemsOf(form().findChild<QMenu*>("mnuFile")),
              (std::vector<std::string>{"開く(&O)...", "-", "上書き保存(&S)", "名前を付けて保存(&A)...", "-",
                                        "終了(&X)", "-"}));
    EXPECT_EQ(itemsOf(form().findChild<QMenu*>("mnuEdit")),
              (std::vector<std::string>{"切り取り(&T)  Ctrl+X", "コピー(&C)    Ctrl+C", "貼り付け(&P) Ctrl+V",
                                        "削除(&L)"}));
    EXPECT_EQ(itemsOf(form().findChild<QMenu*>("mnuSearch")),
              (std::vector<std::string>{"検索(&F)", "次を検索(&N)"}));
    EXPECT_EQ(itemsOf(form().findChild<QMenu*>("mnuView")),
              (std::vector<std::string>{"再描画(&R)", "トレース(&T)", "-", "拡大(&I)", "縮小(&O)"}));
    EXPECT_EQ(itemsOf(form().findChild<QMenu*>("mnuInit")),
              (std::vector<std::string>{"描画(&D)...", "-", "フォント(&F)..."}));
    EXPECT_EQ(itemsOf(form().findChild<QMenu*>("mnuHelp")), (std::vector<std::string>{"ﾊﾞｰｼﾞｮﾝ情報(&A)..."}));
}

// Del, plus the keys users expect of an editor; every other action has none.
TEST_F(Form1Test, OnlyDeleteAndTheUsualKeysCarryAShortcut) {
    started();
    const std::map<std::string, QKeySequence> keys = {{"mnuEditDelete", QKeySequence(Qt::Key_Delete)},
                                                      {"mnuOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
                                                      {"mnuUpdSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
                                                      {"mnuSearchFind", QKeySequence(Qt::CTRL | Qt::Key_F)},
                                                      {"mnuSearchFindNext", QKeySequence(Qt::Key_F3)},
                                                      {"mnuViewReDsp", QKeySequence(Qt::Key_F5)},
                                                      {"actStopRun", QKeySequence(Qt::Key_Escape)}};
    for (QAction* a : form().findChildren<QAction*>()) {
        const auto key = keys.find(a->objectName().toStdString());
        if (key != keys.end()) {
            EXPECT_EQ(a->shortcut(), key->second) << key->first;
        } else {
            EXPECT_TRUE(a->shortcut().isEmpty()) << a->objectName().toStdString();
        }
    }
}

TEST_F(Form1Test, ToolbarButtonsInOrderWithPicturesAndTheTraceButtonAtSeven) {
    started();
    const std::vector<std::string> captions = {"開く", "上書き",   "-", "再描画",  "拡大",
                                               "縮小", "トレース", "-", "描画設定"};
    for (int position = 1; position <= 9; ++position) {
        QAction* b = form().toolbarButton(position);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->isSeparator() ? "-" : b->text().toStdString(), captions[position - 1]);
        if (!b->isSeparator()) {
            EXPECT_FALSE(b->icon().isNull());
        }
    }
    EXPECT_EQ(form().buttonPicture(7), 6);
    form().setButtonPicture(7, 7);
    EXPECT_EQ(form().buttonPicture(7), 7);
    auto* toolbar = form().findChild<QToolBar*>("Toolbar1");
    EXPECT_EQ(toolbar->iconSize(), QSize(32, 32));
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

// No menu offers to hide the toolbar, and its buttons stay put when the
// trace button's caption changes.
TEST_F(Form1Test, ToolbarStaysAndItsButtonsDoNotShift) {
    started();
    EXPECT_EQ(form().createPopupMenu(), nullptr);
    auto* toolbar = form().findChild<QToolBar*>("Toolbar1");
    EXPECT_FALSE(toolbar->isMovable());
    QWidget* settings = toolbar->widgetForAction(form().toolbarButton(9));
    const QRect before = settings->geometry();
    form().toolbarButton(7)->setText("中断");
    toolbar->layout()->activate();
    EXPECT_EQ(settings->geometry(), before);
    form().toolbarButton(7)->setText("トレース");
    toolbar->layout()->activate();
    EXPECT_EQ(settings->geometry(), before);
}

// Each button runs its own command, whatever caption it shows; a caption
// alone runs nothing.
TEST_F(Form1Test, ToolbarButtonsRunTheirCommandWhateverTheCaption) {
    started();
    dialogs_.answer(std::vector<std::string>{});
    form().toolbarButton(1)->trigger();
    dialogs_.answer(std::optional<std::string>());
    form().toolbarButton(2)->trigger();
    EXPECT_EQ(dialogs_.fileRequests().size(), 2u);
    EXPECT_FALSE(dialogs_.fileRequests()[0].mode.save);
    EXPECT_TRUE(dialogs_.fileRequests()[1].mode.save);

    form().richCode().setProgramText("G90\r\nG00 X10. Y10.\r\nG01 X20.");
    QAction* trace = form().toolbarButton(7);
    trace->setText("中断");
    trace->trigger();
    EXPECT_EQ(form().engine().displayList.LineCount(), 2u);
    EXPECT_FALSE(form().imgRoute().Visible());

    QAction stranger("開く");
    emit form().findChild<QToolBar*>("Toolbar1")->actionTriggered(&stranger);
    EXPECT_EQ(dialogs_.fileRequests().size(), 2u);
}

TEST_F(Form1Test, PanButtonsCarryArrowsAndNoCaption) {
    started();
    for (const char* name : {"cmdUp", "cmdDown", "cmdLeft", "cmdRight", "cmdLeftUp", "cmdLeftDown",
                             "cmdRightUp", "cmdRightDown"}) {
        auto* b = form().findChild<QToolButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->icon().isNull());
    }
}

}  // namespace
}  // namespace orca::test
