#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/qt/about_box.h"
#include "app/qt/japanese_translations.h"
#include "app/qt/splash_box.h"
#include "document/qt/user_dialogs.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

std::string labelText(QWidget& box, const char* name) {
    return box.findChild<QLabel*>(name)->text().toStdString();
}

TEST(JapaneseTranslations, StandardButtonsReadInJapanese) {
    ASSERT_TRUE(InstallJapaneseTranslations());
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), "はい(&Y)");
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), "いいえ(&N)");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), "キャンセル");
}

// Wide enough for the whole title in a bold font and the title bar's icon
// and buttons, where a window manager would otherwise elide it.
bool titleFits(const QWidget& window) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    return window.width() >= QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 100;
}

TEST(BoxTitles, MessageBoxesAndTheAboutBoxShowTheirWholeTitle) {
    QtUserDialogs dialogs;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle().toStdString(), kAppTitle);
        EXPECT_TRUE(titleFits(*box)) << box->width();
        checked = true;
        box->reject();
    });
    dialogs.message("上書きしてよろしいですか？", MsgIcon::Question, MsgButtons::OkCancel);
    EXPECT_TRUE(checked);

    AboutBox about(dialogs);
    about.show();
    EXPECT_TRUE(titleFits(about)) << about.width();
}

TEST(SplashBox, ShowsNameVersionAndClosesOnAKeyOrAFrameClick) {
    SplashBox splash;
    EXPECT_EQ(labelText(splash, "lblProductName"), "OrcaＮＣEditor");
    EXPECT_EQ(labelText(splash, "lblVersion"), "ﾊﾞｰｼﾞｮﾝ 1.1.0");
    EXPECT_EQ(labelText(splash, "lblMsg"), "起動中...");
    splash.show();
    QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_FALSE(splash.isVisible());
    splash.show();
    QTest::mouseClick(splash.findChild<QWidget*>("Frame1"), Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(Form1Test, AboutBoxIsModalWithTitleVersionAndSystemInformation) {
    qunsetenv("ORCA_SYSINFO_PROGRAM");
    started();
    dialogs_.answer(ScriptedDialogs::ModalScript([](QDialog& box) {
        EXPECT_EQ(box.windowTitle().toStdString(), "OrcaＮＣEditorのﾊﾞｰｼﾞｮﾝ情報");
        EXPECT_EQ(labelText(box, "lblTitle"), "NCｺｰﾄﾞ簡易ｴﾃﾞｨﾀｰ");
        EXPECT_EQ(labelText(box, "lblVersion"), "ﾊﾞｰｼﾞｮﾝ 1.1.0");
        EXPECT_EQ(box.findChild<QPushButton*>("cmdSysInfo")->text().toStdString(), "ｼｽﾃﾑ情報(&S)...");
        box.findChild<QPushButton*>("cmdSysInfo")->click();
        box.findChild<QPushButton*>("cmdOK")->click();
        return box.result();
    }));
    action("mnuHelpVer")->trigger();
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
    EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(dialogs_.messages()[0].buttons, MsgButtons::Ok);
}

TEST(AboutBox, KnowsOnlyTheConfiguredSystemInformationTool) {
    ScriptedDialogs dialogs;
    AboutBox about(dialogs);
    std::string value = "stale";
    qputenv("ORCA_SYSINFO_PROGRAM", "/usr/bin/true");
    EXPECT_TRUE(
        about.GetKeyValue("HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
    EXPECT_EQ(value, "/usr/bin/true");
    EXPECT_FALSE(about.GetKeyValue("HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Shared Tools Location",
                                   "MSINFO", value));
    EXPECT_EQ(value, "");
    about.StartSysInfo();
    EXPECT_TRUE(dialogs.messages().empty());
    qunsetenv("ORCA_SYSINFO_PROGRAM");
    EXPECT_FALSE(
        about.GetKeyValue("HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value));
}

}  // namespace
}  // namespace orca::test
