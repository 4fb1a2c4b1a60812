#include <QMenu>

#include "form1_fixture.h"

namespace orca::test {
namespace {

class RecentFilesTest : public Form1Test {
protected:
    std::string program(const std::string& name) { return writeFile(name, "G90 G01 X1.\n"); }
    void drop(const std::string& path) { form().richCode_OLEDragDrop({QString::fromStdString(path)}); }

    // The recent entries of the File menu, top to bottom.
    std::vector<std::string> menuEntries() {
        std::vector<std::string> entries;
        bool afterSeparator = false;
        for (QAction* a : form().findChild<QMenu*>("mnuFile")->actions()) {
            if (afterSeparator) entries.push_back(a->text().toStdString());
            afterSeparator = afterSeparator || a->objectName() == "mnuLine99";
        }
        return entries;
    }
    QAction* entry(int index) {
        QAction* separator = action("mnuLine99");
        const auto actions = form().findChild<QMenu*>("mnuFile")->actions();
        return actions[actions.indexOf(separator) + index];
    }
};

TEST_F(RecentFilesTest, SixthFileComesFirstAndTheOldestDropsOut) {
    started();
    std::vector<std::string> paths;
    for (int i = 1; i <= 6; ++i) paths.push_back(program("p" + std::to_string(i) + ".nc"));
    for (const auto& p : paths) drop(p);
    EXPECT_EQ(menuEntries(), (std::vector<std::string>{paths[5], paths[4], paths[3], paths[2], paths[1]}));
    EXPECT_EQ(settingsText().find(paths[0]), std::string::npos);
    EXPECT_NE(settingsText().find("05=" + paths[1]), std::string::npos);
}

TEST_F(RecentFilesTest, ListedPathKeepsItsPlace) {
    started();
    const std::string a = program("a.nc"), b = program("b.nc"), c = program("c.nc");
    drop(a);
    drop(b);
    drop(c);
    const std::string before = settingsText();
    drop(a);
    EXPECT_EQ(menuEntries(), (std::vector<std::string>{c, b, a}));
    EXPECT_EQ(settingsText(), before);
}

TEST_F(RecentFilesTest, ComparisonIsCaseSensitive) {
    started();
    const std::string lower = program("prog.nc"), upper = program("PROG.nc");
    drop(lower);
    drop(upper);
    EXPECT_EQ(menuEntries(), (std::vector<std::string>{upper, lower}));
}

TEST_F(RecentFilesTest, AmpersandInAPathStillLoadsTheRightFile) {
    const std::string odd = program("R&D.nc");
    writeFile("RD.nc", "G90 G01 X9.\n");
    writeSettings("[HISTORY]\n01=" + odd + "\n");
    started();
    EXPECT_EQ(menuEntries(), std::vector<std::string>{odd});
    entry(1)->trigger();
    EXPECT_EQ(form().documentPath(), odd);
    EXPECT_EQ(editorText(), "G90 G01 X1.\r\n");
}

TEST_F(RecentFilesTest, ChoosingAnEntryLeavesTheListAsItWas) {
    started();
    const std::string a = program("a.nc"), b = program("b.nc");
    drop(a);
    drop(b);
    const std::string before = settingsText();
    entry(2)->trigger();
    EXPECT_EQ(form().documentPath(), a);
    EXPECT_EQ(menuEntries(), (std::vector<std::string>{b, a}));
    EXPECT_EQ(settingsText(), before);
}

TEST_F(RecentFilesTest, VanishedFileStaysListedAndAsksAsAnUnreadableOne) {
    const std::string gone = dir() + "/gone.nc";
    writeSettings("[HISTORY]\n01=" + gone + "\n02=\n03=/after/empty.nc\n");
    started();
    EXPECT_EQ(menuEntries(), std::vector<std::string>{gone});
    dialogs_.answer(MsgAnswer::Yes);
    entry(1)->trigger();
    EXPECT_EQ(dialogs_.messages().size(), 3u);
    EXPECT_EQ(menuEntries(), std::vector<std::string>{gone});
}

}  // namespace
}  // namespace orca::test
