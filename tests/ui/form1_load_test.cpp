#include <QMenu>

#include "app/app_identity.h"
#include "app/ui/progress_control.h"
#include "app/ui/tool_marker_view.h"
#include "document/document_state.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

constexpr const char* kQuestion = "ＡＢＳ（絶対）座標ですか？";

// One test per load route: Open, a recent entry, a drop and the command line.
enum class Route { Open, Recent, Drop, CommandLine };

class LoadRouteTest : public Form1Test, public ::testing::WithParamInterface<Route> {
protected:
    // Loads `path` by the route under test, the dialogs answered as given.
    void load(const std::string& path) {
        switch (GetParam()) {
            case Route::Open:
                form().mnuOpen_Click();
                break;
            case Route::Recent:
                for (QAction* entry : form().findChildren<QAction*>("mnuLine99")) {
                    if (entry->text().toStdString() == path) entry->trigger();
                }
                break;
            case Route::Drop:
                form().richCode_OLEDragDrop({QString::fromStdString(path)});
                break;
            case Route::CommandLine:
                break;
        }
    }
    void start(const std::string& path) {
        if (GetParam() == Route::Recent) writeSettings("[HISTORY]\n01=" + path + "\n");
        started(GetParam() == Route::CommandLine ? std::vector<std::string>{path}
                                                 : std::vector<std::string>{});
    }
    void scriptOpenDialog(const std::string& path) {
        if (GetParam() == Route::Open) dialogs_.answer(std::vector<std::string>{path});
    }
    std::string question() const {
        return std::string(kQuestion) + (GetParam() == Route::Recent ? "\r\n" : "");
    }
};

TEST_P(LoadRouteTest, UndecidedFileAsksAndYesLoadsAbsolute) {
    const std::string path = writeFile("plain.nc", "G00 X10. Y10.\nG01 X20.\n");
    scriptOpenDialog(path);
    dialogs_.answer(MsgAnswer::Yes);
    start(path);
    load(path);
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    const auto& q = dialogs_.messages()[0];
    EXPECT_EQ(q.text, question());
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(q.buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(q.title, kAppTitle);
    EXPECT_EQ(form().engine().settings.IncFlagDefault, 0);
    EXPECT_EQ(form().engine().nc.CurX, 20.0);
    EXPECT_EQ(editorText(), "G00 X10. Y10.\r\nG01 X20.\r\n");
    EXPECT_EQ(form().documentPath(), path);
}

TEST_P(LoadRouteTest, NoLoadsIncremental) {
    const std::string path = writeFile("plain.nc", "G00 X10.\nG01 X20.\n");
    scriptOpenDialog(path);
    dialogs_.answer(MsgAnswer::No);
    start(path);
    load(path);
    EXPECT_EQ(form().engine().settings.IncFlagDefault, 1);
    EXPECT_EQ(form().engine().nc.IncFlag, 1);
    EXPECT_EQ(form().engine().nc.CurX, 30.0);
}

TEST_P(LoadRouteTest, CancelChangesNothingOfTheDocument) {
    const std::string first = writeFile("first.nc", "G90 G01 X5.\n");
    const std::string path = writeFile("plain.nc", "G00 X10.\n");
    if (GetParam() == Route::CommandLine) {
        dialogs_.answer(MsgAnswer::Cancel);
        started({path});
        EXPECT_FALSE(form().hasDocumentPath());
        return;
    }
    start(path);
    form().richCode_OLEDragDrop({QString::fromStdString(first)});
    const std::string captionBefore = caption();
    const std::string historyBefore = settingsText();
    scriptOpenDialog(path);
    dialogs_.answer(MsgAnswer::Cancel);
    load(path);
    EXPECT_EQ(form().documentPath(), first);
    EXPECT_EQ(editorText(), "G90 G01 X5.\r\n");
    EXPECT_EQ(caption(), captionBefore);
    EXPECT_EQ(settingsText(), historyBefore);
    EXPECT_EQ(form().engine().settings.IncFlagDefault, 0);
}

TEST_P(LoadRouteTest, DecidedFileLoadsWithoutAQuestionAndResetsTheView) {
    const std::string path = writeFile("abs.nc", "%\nO1000\nG90 G54 G00 X0 Y0\nG01 X100. Y50.\n");
    scriptOpenDialog(path);
    start(path);
    ScaleWindow panned = form().engine().surface.window();
    panned.ScaleLeft = 500;
    form().engine().surface.setWindow(panned);
    load(path);
    EXPECT_TRUE(dialogs_.messages().empty());
    const ScaleWindow& w = form().engine().surface.window();
    if (GetParam() != Route::CommandLine) {
        EXPECT_EQ(w.ScaleLeft, 0.0f);
    }
    EXPECT_EQ(w.ScaleWidth, form().picMainWidth());
    EXPECT_EQ(w.ScaleHeight, form().picMainHeight());
    EXPECT_EQ(form().engine().displayList.LineCount(), 2u);
    EXPECT_FALSE(form().progressBar1().visible());
    EXPECT_EQ(form().progressBar1().value(), 0);
    EXPECT_EQ(form().statusText(), " 1行");
    EXPECT_FALSE(form().richCode().changedSinceSave());
}

TEST_P(LoadRouteTest, CaptionShowsThePathAsTheRouteDoes) {
    const std::string path = writeFile("abs.nc", "G90\n");
    scriptOpenDialog(path);
    start(path);
    load(path);
    EXPECT_EQ(caption(), GetParam() == Route::Open ? CaptionBracketed(path) : CaptionSpaced(path));
}

INSTANTIATE_TEST_SUITE_P(EveryRoute, LoadRouteTest,
                         ::testing::Values(Route::Open, Route::Recent, Route::Drop, Route::CommandLine));

TEST_F(Form1Test, OpenDialogIsTheOneTheOpenCommandDescribes) {
    started();
    dialogs_.answer(std::vector<std::string>{});
    form().mnuOpen_Click();
    ASSERT_EQ(dialogs_.fileRequests().size(), 1u);
    const FileDialogRequest& r = dialogs_.fileRequests()[0];
    EXPECT_EQ(r.title, "NCファイルの選択");
    EXPECT_EQ(r.nameFilters,
              (std::vector<std::string>{"全てのﾌｧｲﾙ (*.*) (*)", "NC ﾌｧｲﾙ (*.ptp;*.nc) (*.ptp *.nc)"}));
    EXPECT_TRUE(r.mode.multiSelect);
    EXPECT_FALSE(r.mode.save);
    EXPECT_FALSE(form().hasDocumentPath());
}

TEST_F(Form1Test, SeveralFilesOpenedOrDroppedLoadTheFirst) {
    const std::string a = writeFile("a.nc", "G90 X1.\n");
    const std::string b = writeFile("b.nc", "G90 X2.\n");
    const std::string c = writeFile("c.nc", "G90 X3.\n");
    started();
    dialogs_.answer(std::vector<std::string>{b, c});
    form().mnuOpen_Click();
    EXPECT_EQ(form().documentPath(), b);
    form().richCode_OLEDragDrop(
        {QString::fromStdString(a), QString::fromStdString(b), QString::fromStdString(c)});
    EXPECT_EQ(form().documentPath(), a);
    EXPECT_EQ(editorText(), "G90 X1.\r\n");
}

TEST_F(Form1Test, EmptyFileEmptiesTheEditor) {
    const std::string a = writeFile("a.nc", "G90 X1.\n");
    const std::string empty = writeFile("empty.nc", "");
    started({a});
    dialogs_.answer(MsgAnswer::Yes);
    form().richCode_OLEDragDrop({QString::fromStdString(empty)});
    EXPECT_EQ(editorText(), "");
    EXPECT_EQ(form().documentPath(), empty);
}

TEST_F(Form1Test, LoadedTextIsReassembledFromRecordsWithCrLf) {
    const std::string path = writeFile("rec.nc", "G90\r\n  (T1, DRILL)\rG01 X1.\n\nM30");
    started({path});
    EXPECT_EQ(editorText(), "G90\r\n  (T1, DRILL)\r\nG01 X1.\r\n\r\nM30\r\n");
}

TEST_F(Form1Test, JapaneseCommentsDecodeFromCp932AndUtf8) {
    const std::string sjis = writeFile("sjis.nc", "G90\r\n(\x8D\x48\x8B\xEF)\r\n");
    const std::string utf8 = writeFile("utf8.nc", "G90\n(工具)\n");
    started({sjis});
    EXPECT_EQ(editorText(), "G90\r\n(工具)\r\n");
    EXPECT_EQ(form().documentEncoding(), TextEncoding::Cp932);
    form().richCode_OLEDragDrop({QString::fromStdString(utf8)});
    EXPECT_EQ(editorText(), "G90\r\n(工具)\r\n");
    EXPECT_EQ(form().documentEncoding(), TextEncoding::Utf8);
}

TEST_F(Form1Test, ToolMarkerIsHiddenAfterLoading) {
    const std::string path = writeFile("abs.nc", "G90 G01 X10. Y10.\n");
    started({path});
    EXPECT_FALSE(form().imgRoute().Visible());
}

}  // namespace
}  // namespace orca::test
