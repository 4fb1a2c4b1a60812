#include <QCoreApplication>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScreen>

#include "app/app_identity.h"
#include "app/ui/surface_view.h"
#include "document/document_state.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

TEST_F(Form1Test, StartWithoutSettingsFileUsesEveryDefault) {
    Form1& f = started();
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(f.richCode().paneFont().family().toStdString(), "MS ゴシック");
    EXPECT_EQ(f.richCode().paneFont().pointSizeF(), 10.0);
    EXPECT_FALSE(f.richCode().paneFont().bold());
    EXPECT_FALSE(f.richCode().paneFont().italic());
    EXPECT_TRUE(f.engine().settings.HouganFlag);
    EXPECT_EQ(f.engine().settings.HouganWidth, 100);
    EXPECT_EQ(f.engine().settings.TraceSpeed, 5);
    EXPECT_EQ(f.engine().settings.IncFlagDefault, 0);
    EXPECT_EQ(caption(), kMainCaption);
    EXPECT_FALSE(f.hasDocumentPath());
    EXPECT_EQ(f.splitLeft(), 2640);
    EXPECT_FALSE(action("mnuLine99")->isVisible());
    EXPECT_TRUE(editorText().empty());
    // Showing the window wrote its state: the file is created by that first write.
    EXPECT_NE(settingsText().find("STATE=2"), std::string::npos);
}

TEST_F(Form1Test, DefaultFontShowsInAnInstalledJapaneseMonospaceFace) {
    Form1& f = started();
    const QFontInfo shown(f.richCode().font());
    EXPECT_EQ(shown.family().toStdString(), "IPAGothic");
    const QFontMetrics metrics(f.richCode().font());
    EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
}

TEST_F(Form1Test, SurfaceHeightIsCapturedFromTheLaidOutSurface) {
    Form1& f = started();
    EXPECT_EQ(f.engine().view.SurfaceHeight, static_cast<int>(f.picMainHeight()));
    EXPECT_GT(f.engine().view.SurfaceHeight, 0);
}

TEST_F(Form1Test, ProgramOnTheCommandLineIsFittedToTheMaximisedWindow) {
    Form1& f = started({writeFile("p.nc", "G90\r\nG01 X10 Y10\r\n")});
    const std::int32_t fitted = f.engine().view.SurfaceHeight;
    QCoreApplication::processEvents();
    EXPECT_EQ(f.engine().view.SurfaceHeight, static_cast<std::int32_t>(f.picMainHeight()));
    EXPECT_EQ(fitted, f.engine().view.SurfaceHeight);
    EXPECT_EQ(f.frameGeometry().size(), f.screen()->availableSize());
}

TEST_F(Form1Test, StoredWindowStatesOpenTheWindowAsStoredOrNormal) {
    writeSettings("[WINDOW]\nSTATE=0\n");
    Form1& normal = started();
    EXPECT_FALSE(normal.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    // The design client area, below the menu bar.
    EXPECT_EQ(normal.width(), 685);
    EXPECT_EQ(normal.height() - normal.menuBar()->height(), 486);
    form_.reset();
    writeSettings("[WINDOW]\nSTATE=7\n");
    EXPECT_FALSE(started().windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    EXPECT_NE(settingsText().find("STATE=0"), std::string::npos);
}

TEST_F(Form1Test, MinimisedStartWritesNothing) {
    writeSettings("[WINDOW]\nSTATE=1\n");
    Form1& f = started();
    EXPECT_TRUE(f.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(settingsText(), "[WINDOW]\nSTATE=1\n");
}

TEST_F(Form1Test, StoredFontAndGridAreApplied) {
    writeSettings(
        "[FONT]\nNAME=IPAGothic\nSIZE=12\nBOLD=True\nITALIC=false\n[HOUGAN]\nFLAG=False\nWIDTH=25\n");
    Form1& f = started();
    EXPECT_EQ(f.richCode().paneFont().family().toStdString(), "IPAGothic");
    EXPECT_EQ(f.richCode().paneFont().pointSizeF(), 12.0);
    EXPECT_TRUE(f.richCode().paneFont().bold());
    // Anything but exactly "False" reads as true.
    EXPECT_TRUE(f.richCode().paneFont().italic());
    EXPECT_FALSE(f.engine().settings.HouganFlag);
    EXPECT_EQ(f.engine().settings.HouganWidth, 25);
}

TEST_F(Form1Test, CommandLinePathInQuotesIsLoadedWithoutTheQuotes) {
    const std::string path = writeFile("my program.nc", "G90\nG00 X10. Y10.\nG01 X20.\n");
    Form1& f = started({"\"" + path + "\""});
    EXPECT_EQ(caption(), CaptionSpaced(path));
    EXPECT_EQ(f.documentPath(), path);
    EXPECT_TRUE(f.hasDocumentPath());
    EXPECT_EQ(editorText(), "G90\r\nG00 X10. Y10.\r\nG01 X20.\r\n");
    EXPECT_EQ(f.engine().displayList.LineCount(), 2u);
    EXPECT_EQ(f.statusText(), " 1行");
    EXPECT_FALSE(f.progressBar1().visible());
    ASSERT_TRUE(action("mnuLine99")->isVisible());
    EXPECT_NE(settingsText().find("01=" + path), std::string::npos);
    EXPECT_TRUE(dialogs_.messages().empty());
}

TEST_F(Form1Test, CommandLineFileInIncrementalModeNeedsNoQuestion) {
    const std::string path = writeFile("inc.nc", "G91 G00 X10.\nX10.\n");
    Form1& f = started({path});
    EXPECT_EQ(f.engine().settings.IncFlagDefault, 1);
    EXPECT_EQ(f.engine().nc.CurX, 20.0);
}

TEST_F(Form1Test, CancelAtTheModeQuestionLeavesTheStartedWindowEmpty) {
    writeSettings("[HISTORY]\n01=/somewhere/old.nc\n");
    const std::string path = writeFile("plain.nc", "G00 X10.\n");
    dialogs_.answer(MsgAnswer::Cancel);
    Form1& f = started({path});
    EXPECT_EQ(dialogs_.messageTexts(), std::vector<std::string>{"ＡＢＳ（絶対）座標ですか？"});
    EXPECT_EQ(caption(), kMainCaption);
    EXPECT_FALSE(f.hasDocumentPath());
    EXPECT_TRUE(editorText().empty());
    // The recent-file menu is built all the same.
    EXPECT_TRUE(action("mnuLine99")->isVisible());
    EXPECT_EQ(settingsText().find(path), std::string::npos);
}

TEST_F(Form1Test, UnreadableCommandLineFileIsReportedAndDoesNotBecomeTheDocument) {
    const std::string path = dir() + "/missing.nc";
    dialogs_.answer(MsgAnswer::Yes);
    Form1& f = started({path});
    const auto& m = dialogs_.messages();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(m[1].text, "ＡＢＳ（絶対）座標ですか？");
    EXPECT_EQ(m[2].icon, MsgIcon::Exclamation);
    EXPECT_EQ(m[2].buttons, MsgButtons::Ok);
    EXPECT_EQ(m[2].title, kAppTitle);
    // Nothing was read, so a later save asks for a name instead of writing
    // over the path given.
    EXPECT_FALSE(f.hasDocumentPath());
    EXPECT_EQ(caption(), "OrcaＮＣEditor-NC簡易エディター");
    EXPECT_TRUE(editorText().empty());
    EXPECT_EQ(HistoryList(f.settings()), std::vector<std::string>{path});
}

}  // namespace
}  // namespace orca::test
