// A settings file as the Windows program writes it, in CP932, read and
// written by the window through its CP932 codec.
#include <QMenu>
#include <filesystem>

#include "document/qt/editor_pane.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

class SettingsEncodingTest : public Form1Test {
protected:
    // A program at `relative` below the test folder, its folders made.
    std::string program(const std::string& relative) {
        const std::filesystem::path path = dir() + "/" + relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << "G90\nG01 X1.\n";
        return path.string();
    }

    // Chooses the first entry of the recent-file list from the File menu.
    void chooseFirstRecentEntry() {
        const auto actions = form().findChild<QMenu*>("mnuFile")->actions();
        const qsizetype separator = actions.indexOf(action("mnuLine99"));
        ASSERT_LT(separator + 1, actions.size()) << "no recent entry";
        actions[separator + 1]->trigger();
    }
};

TEST_F(SettingsEncodingTest, Cp932FileGivesItsFontAndItsRecentFiles) {
    const std::string path = program("加工/穴あけ.nc");
    writeSettings(
        "[FONT]\r\nNAME=MS \x83\x53\x83\x56\x83\x62\x83\x4E\r\nSIZE=12\r\n"
        "[HISTORY]\r\n01=" +
        dir() + "/\x89\xC1\x8D\x48/\x8C\x8A\x82\xA0\x82\xAF.nc\r\n");
    started();
    const QFont& pane = form().richCode().paneFont();
    EXPECT_EQ(pane.family().toStdString(), "MS ゴシック");
    EXPECT_EQ(pane.pointSizeF(), 12.0);
    EXPECT_EQ(QFontInfo(pane).family().toStdString(), "IPAGothic") << "the name reaches its substitute";

    chooseFirstRecentEntry();
    EXPECT_EQ(form().documentPath(), path);
    EXPECT_EQ(editorText(), "G90\r\nG01 X1.\r\n");
}

// A path CP932 holds is written in CP932; one it cannot hold (a Linux path
// of other characters) and one whose CP932 bytes would read as other UTF-8
// text ("ﾃｩ" is stored as the bytes of "é") stay in UTF-8. Each reads back
// and opens in the next session.
TEST_F(SettingsEncodingTest, RecentPathsAreWrittenInCp932WhenItHoldsThemAndOpenNextTime) {
    const std::pair<std::string, std::string> cases[] = {
        {"加工/穴あけ.nc", "\x89\xC1\x8D\x48/\x8C\x8A\x82\xA0\x82\xAF.nc"},
        {"ŝ/a.nc", "ŝ/a.nc"},
        {"加工/😀.nc", "加工/😀.nc"},
        {"ﾃｩ.nc", "ﾃｩ.nc"},
    };
    for (const auto& [relative, stored] : cases) {
        form_.reset();
        const std::string path = program(relative);
        started({path});
        EXPECT_NE(settingsText().find("\n01=" + dir() + "/" + stored + "\n"), std::string::npos) << relative;

        form_.reset();
        started();
        chooseFirstRecentEntry();
        EXPECT_EQ(form().documentPath(), path) << relative;
        EXPECT_EQ(editorText(), "G90\r\nG01 X1.\r\n") << relative;
    }
}

}  // namespace
}  // namespace orca::test
