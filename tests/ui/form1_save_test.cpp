#include <sys/resource.h>

#include <QDir>
#include <csignal>

#include "app/app_identity.h"
#include "document/document_state.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

class SaveTest : public Form1Test {
protected:
    void type(const std::string& text) {
        form().richCode().setSelectionStart(0);
        form().richCode().replaceSelection(text);
    }
};

TEST_F(SaveTest, NewDocumentOverwriteSaveGoesToSaveAsWithoutTheQuestion) {
    started();
    const std::string path = dir() + "/new.nc";
    dialogs_.answer(std::optional<std::string>(path));
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(path), "\r\n");
    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_EQ(form().documentPath(), path);
    EXPECT_TRUE(form().hasDocumentPath());
    EXPECT_EQ(caption(), CaptionBracketed(path));
    EXPECT_EQ(form().statusText(), "");
}

TEST_F(SaveTest, SaveAsDialogIsSetUpAsTheCommandDescribes) {
    started();
    dialogs_.answer(std::optional<std::string>(dir() + "/first.nc"));
    form().mnuNameSave_Click();
    dialogs_.answer(std::optional<std::string>());
    form().mnuNameSave_Click();
    ASSERT_EQ(dialogs_.fileRequests().size(), 2u);
    const FileDialogRequest& r = dialogs_.fileRequests()[1];
    EXPECT_EQ(r.nameFilters, (std::vector<std::string>{"すべてのﾌｧｲﾙ (*.*) (*)", "NC ﾌｧｲﾙ (*.ptp) (*.ptp)",
                                                       "NC ﾌｧｲﾙ (*.nc) (*.nc)"}));
    EXPECT_TRUE(r.mode.save);
    EXPECT_TRUE(r.mode.confirmOverwrite);
    // The dialog proposes the document's name.
    EXPECT_EQ(r.fileName, dir() + "/first.nc");
    EXPECT_EQ(form().documentPath(), dir() + "/first.nc");
}

// Open and Save As start where the user works: the document's folder, else
// the folder last chosen in either dialog, else the current folder; Save As
// proposes the document's own name.
TEST_F(SaveTest, DialogsStartInTheFolderOfTheWork) {
    const std::string current = QDir::currentPath().toStdString();
    QDir(QString::fromStdString(dir())).mkpath("a");
    QDir(QString::fromStdString(dir())).mkpath("b");
    const std::string inA = writeFile("a/prog.nc", "G90\nG01 X1.\n");
    started();

    dialogs_.answer(std::vector<std::string>{});
    form().mnuOpen_Click();
    dialogs_.answer(std::optional<std::string>());
    form().mnuNameSave_Click();
    EXPECT_EQ(dialogs_.fileRequests()[0].initialDir, current);
    EXPECT_EQ(dialogs_.fileRequests()[1].initialDir, current);
    EXPECT_EQ(dialogs_.fileRequests()[1].fileName, "");

    dialogs_.answer(std::vector<std::string>{dir() + "/b/missing.nc"});
    dialogs_.answer(MsgAnswer::Cancel);
    form().mnuOpen_Click();
    dialogs_.answer(std::optional<std::string>());
    form().mnuNameSave_Click();
    EXPECT_EQ(dialogs_.fileRequests()[3].initialDir, dir() + "/b") << "the folder last chosen";

    form().richCode_OLEDragDrop({QString::fromStdString(inA)});
    dialogs_.answer(std::vector<std::string>{});
    form().mnuOpen_Click();
    dialogs_.answer(std::optional<std::string>());
    form().mnuNameSave_Click();
    EXPECT_EQ(dialogs_.fileRequests()[4].initialDir, dir() + "/a");
    EXPECT_EQ(dialogs_.fileRequests()[5].initialDir, dir() + "/a");
    EXPECT_EQ(dialogs_.fileRequests()[5].fileName, inA);
}

TEST_F(SaveTest, OverwriteSaveAsksThenWritesTheText) {
    const std::string path = writeFile("prog.nc", "G90\nG01 X1.\n");
    started({path});
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(path), "G90\r\nG01 X1.\r\n");
    const auto& m = dialogs_.messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, "上書きしてよろしいですか？");
    EXPECT_EQ(m[0].icon, MsgIcon::Question);
    EXPECT_EQ(m[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(m[1].text, "上書き保存しました");
    EXPECT_EQ(m[1].icon, MsgIcon::Information);
    EXPECT_FALSE(form().richCode().changedSinceSave());
    EXPECT_EQ(form().statusText(), "");
}

TEST_F(SaveTest, CancelAtTheOverwriteQuestionWritesNothing) {
    const std::string path = writeFile("prog.nc", "G90\n");
    started({path});
    dialogs_.answer(MsgAnswer::Cancel);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(path), "G90\n");
}

TEST_F(SaveTest, SavingKeepsTheEncodingTheFileCameIn) {
    const std::string sjis = writeFile("sjis.nc", "G90\r\n(\x8D\x48\x8B\xEF)\r\n");
    const std::string bom = writeFile("bom.nc", "\xEF\xBB\xBFG90\n(工具)\n");
    started({sjis});
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(sjis), "G90\r\n(\x8D\x48\x8B\xEF)\r\n");
    form().richCode_OLEDragDrop({QString::fromStdString(bom)});
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(bom), "\xEF\xBB\xBFG90\r\n(工具)\r\n");
}

// Opening a program and saving it at once changes no byte, however often it
// is done; a last line without a line end gets one, once.
TEST_F(SaveTest, UnchangedProgramSavesAsItWas) {
    const std::pair<std::string, std::string> cases[] = {
        {"G90\r\n(\x8D\x48\x8B\xEF)\r\nG01 X1.\r\n\r\n", ""},  // CP932, ending in an empty line
        {"G90\r\n(工具)\r\nG01 X1.\r\n", ""},                  // UTF-8
        {"\xEF\xBB\xBFG90\r\n(工具)\r\nG01 X1.\r\n", ""},      // UTF-8 with byte-order mark
        {"G90\r\n(\x8D\x48\x8B\xEF)\r\nG01 X1.", "\r\n"},      // no line end at the end
        {"\xEF\xBB\xBFG90\r\n(工具)\r\nG01 X1.", "\r\n"},
    };
    for (const auto& [bytes, added] : cases) {
        const std::string path = writeFile("prog.nc", bytes);
        form().richCode_OLEDragDrop({QString::fromStdString(path)});
        for (int save = 0; save < 2; ++save) {
            dialogs_.answer(MsgAnswer::Ok);
            form().mnuUpdSave_Click();
            EXPECT_EQ(readFile(path), bytes + added) << bytes << " save " << save;
        }
    }
    EXPECT_EQ(dialogs_.messageTexts().back(), "上書き保存しました");
}

// Bytes of a UTF-8 file that are not UTF-8 are shown as U+FFFD; saving would
// write U+FFFD in their place, so the save is refused until the user has
// removed them. A U+FFFD the file itself held saves as it is.
TEST_F(SaveTest, BytesThatAreNotUtf8AreNotReplacedSilently) {
    const std::string fffd = "\xEF\xBF\xBD";
    const std::string broken = "\xEF\xBB\xBFG90\r\n(工具)\r\n(\xFF\xFE)G01 X1.\r\n";
    const std::string path = writeFile("broken.nc", broken);
    started({path});
    ASSERT_EQ(editorText(), "G90\r\n(工具)\r\n(" + fffd + fffd + ")G01 X1.\r\n");
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(dialogs_.messageTexts().back(),
              "3行目の文字「" + fffd + "」はUTF-8として読めなかったため、保存できません。");
    EXPECT_EQ(dialogs_.messages().back().icon, MsgIcon::Exclamation);
    EXPECT_EQ(readFile(path), broken);

    form().richCode().setSelectionStart(12);
    form().richCode().setSelectionLength(2);
    ASSERT_EQ(form().richCode().selectedProgramText(), fffd + fffd);
    form().richCode().replaceSelection("");
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(path), "\xEF\xBB\xBFG90\r\n(工具)\r\n()G01 X1.\r\n") << "saved once they are gone";

    const std::string own = writeFile("own.nc", "G90\r\n(" + fffd + ")\r\n");
    form().richCode_OLEDragDrop({QString::fromStdString(own)});
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(dialogs_.messageTexts().back(), "上書き保存しました");
    EXPECT_EQ(readFile(own), "G90\r\n(" + fffd + ")\r\n");
}

TEST_F(SaveTest, CharacterCp932CannotHoldIsNamedAndNothingIsWritten) {
    const std::string path = writeFile("prog.nc", "G90\r\nG01 X1.\r\n");
    started({path});
    form().richCode().setSelectionStart(5);
    form().richCode().replaceSelection("(Ω😀)");
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(readFile(path), "G90\r\nG01 X1.\r\n");
    ASSERT_EQ(dialogs_.messages().size(), 2u);
    EXPECT_EQ(dialogs_.messages()[1].text, "2行目の文字「😀」はShift-JISで表せないため、保存できません。");
    EXPECT_EQ(dialogs_.messages()[1].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(form().richCode().changedSinceSave());
}

TEST_F(SaveTest, PathThatCannotBeCreatedShowsTheErrorAndKeepsTheNewPath) {
    const std::string blocker = writeFile("plain-file", "x");
    const std::string path = blocker + "/prog.nc";
    started();
    type("G90");
    const std::string status = form().statusText();
    dialogs_.answer(std::optional<std::string>(path));
    form().mnuNameSave_Click();
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(dialogs_.messages()[0].text.empty());
    EXPECT_EQ(form().documentPath(), path);
    EXPECT_EQ(caption(), kMainCaption);
    // Nothing was written, so the status text is left as it was.
    EXPECT_EQ(form().statusText(), status);
    EXPECT_EQ(readFile(blocker), "x");
}

// A file-size limit makes every write past it fail, for any user: the disk
// fills up in the middle of the save.
TEST_F(SaveTest, WriteFailingMidwayLeavesTheOldFileAndClearsTheStatus) {
    const std::string path = writeFile("prog.nc", "G90\n");
    started({path});
    type(std::string(4096, 'X') + "\r\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    dialogs_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readFile(path), "G90\n");
    ASSERT_EQ(dialogs_.messages().size(), 2u);
    EXPECT_EQ(dialogs_.messages()[1].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(dialogs_.messages()[1].text.empty());
    EXPECT_EQ(form().statusText(), "");
    EXPECT_EQ(QDir(QString::fromStdString(dir())).entryList(QDir::Files).size(), 2);  // no temporary left
    EXPECT_TRUE(form().richCode().changedSinceSave());
}

}  // namespace
}  // namespace orca::test
