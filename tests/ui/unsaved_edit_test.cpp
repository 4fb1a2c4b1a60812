#include "form1_fixture.h"

namespace orca::test {
namespace {

constexpr const char* kChanged = "内容が変更されています。保存しますか？";

class UnsavedEditTest : public Form1Test {
protected:
    std::string path;

    void SetUp() override {
        path = writeFile("prog.nc", "G90\n");
        started({path});
        form().richCode().setSelectionStart(0);
        form().richCode().replaceSelection("G01 ");
    }
    void expectAsked() {
        ASSERT_FALSE(dialogs_.messages().empty());
        const auto& q = dialogs_.messages().front();
        EXPECT_EQ(q.text, kChanged);
        EXPECT_EQ(q.icon, MsgIcon::Question);
        EXPECT_EQ(q.buttons, MsgButtons::YesNoCancel);
    }
};

TEST_F(UnsavedEditTest, CloseCancelledKeepsTheWindow) {
    dialogs_.answer(MsgAnswer::Cancel);
    EXPECT_FALSE(form().close());
    expectAsked();
    EXPECT_EQ(readFile(path), "G90\n");
}

TEST_F(UnsavedEditTest, CloseWithNoDiscards) {
    dialogs_.answer(MsgAnswer::No);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(readFile(path), "G90\n");
}

TEST_F(UnsavedEditTest, CloseWithYesSavesWithoutTheOverwriteQuestion) {
    dialogs_.answer(MsgAnswer::Yes);
    EXPECT_TRUE(form().close());
    EXPECT_EQ(readFile(path), "G01 G90\r\n");
    EXPECT_EQ(dialogs_.messageTexts(), (std::vector<std::string>{kChanged, "上書き保存しました"}));
}

TEST_F(UnsavedEditTest, ExitAsksTheSameQuestion) {
    dialogs_.answer(MsgAnswer::Cancel);
    action("mnuExit")->trigger();
    expectAsked();
    EXPECT_TRUE(form().isVisible());
}

TEST_F(UnsavedEditTest, YesThatFailsToSaveStopsTheLoad) {
    const std::string other = writeFile("other.nc", "G90 X5.\n");
    // A document without a path goes to save-as; cancelling it is a failed save.
    form_.reset();
    started();
    form().richCode().replaceSelection("G00");
    dialogs_.answer(MsgAnswer::Yes);
    dialogs_.answer(std::optional<std::string>());
    form().richCode_OLEDragDrop({QString::fromStdString(other)});
    EXPECT_EQ(editorText(), "G00");
    EXPECT_FALSE(form().hasDocumentPath());
}

TEST_F(UnsavedEditTest, EveryLoadRouteAsksBeforeReplacingTheText) {
    const std::string other = writeFile("other.nc", "G90 X5.\n");
    dialogs_.answer(MsgAnswer::Cancel);
    form().richCode_OLEDragDrop({QString::fromStdString(other)});
    dialogs_.answer(MsgAnswer::Cancel);
    form().mnuOpen_Click();
    dialogs_.answer(MsgAnswer::Cancel);
    form().mnuLine99_Click(1);
    EXPECT_EQ(dialogs_.messageTexts(), (std::vector<std::string>(3, kChanged)));
    EXPECT_EQ(editorText(), "G01 G90\r\n");

    dialogs_.answer(MsgAnswer::No);
    form().richCode_OLEDragDrop({QString::fromStdString(other)});
    EXPECT_EQ(editorText(), "G90 X5.\r\n");
}

// The question follows the editor's text, not each keystroke: an edit
// undone leaves nothing to lose, the same edit redone does again.
TEST_F(UnsavedEditTest, AskedOnlyWhileTheTextDiffersFromTheSavedOne) {
    form().richCode().undo();
    form().richCode().redo();
    dialogs_.answer(MsgAnswer::Cancel);
    EXPECT_FALSE(form().close());
    expectAsked();
    form().richCode().undo();
    EXPECT_TRUE(form().close());
    EXPECT_EQ(dialogs_.messages().size(), 1u);
}

TEST_F(UnsavedEditTest, ASaveThatFailsStillAsks) {
    form().richCode().replaceSelection("😀");
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    ASSERT_EQ(dialogs_.messages().size(), 2u);
    EXPECT_EQ(dialogs_.messages()[1].icon, MsgIcon::Exclamation);
    dialogs_.answer(MsgAnswer::Cancel);
    EXPECT_FALSE(form().close());
    EXPECT_EQ(dialogs_.messageTexts().back(), kChanged);
    EXPECT_EQ(readFile(path), "G90\n");
}

TEST_F(UnsavedEditTest, NoQuestionOnceTheEditIsSaved) {
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_TRUE(form().close());
    EXPECT_EQ(dialogs_.messages().size(), 2u);
}

}  // namespace
}  // namespace orca::test
