// Settings files broken by hand, by a crash or by another program: the
// window starts with what can be read and defaults for the rest, draws no
// grid it cannot draw, and keeps the file's other lines as they were.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QMenu>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <system_error>

#include "app/ui/surface_view.h"
#include "form1_fixture.h"

namespace orca::test {
namespace {

class BadSettingsTest : public Form1Test {
protected:
    void restart() { form_.reset(); }

    void expectDefaultsApplied() {
        Form1& f = form();
        EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
        EXPECT_EQ(f.richCode().paneFont().family().toStdString(), "MS ゴシック");
        EXPECT_EQ(f.richCode().paneFont().pointSizeF(), 10.0);
        EXPECT_TRUE(f.engine().settings.HouganFlag);
        EXPECT_EQ(f.engine().settings.HouganWidth, 100);
        EXPECT_FALSE(action("mnuLine99")->isVisible()) << "no recent entry";
    }

    int pixelsOf(QRgb color) {
        const QImage& image = form().picBox1().raster().image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) n += row[x] == color;
        }
        return n;
    }
};

TEST_F(BadSettingsTest, GarbageGivesTheDefaultsAndStaysInTheFile) {
    std::string garbage("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 37 + 11) % 256);
    garbage += "\n[FONT\nSIZE\n==12\n[]\n[HOUGAN]]\nWIDTH 50\n[WINDOW\nSTATE:0\n";
    writeSettings(garbage);
    started();
    expectDefaultsApplied();
    const std::string kept = settingsText();
    EXPECT_TRUE(kept.starts_with(garbage));
    EXPECT_NE(kept.find("[WINDOW]"), std::string::npos);
}

TEST_F(BadSettingsTest, LongLinesAreReadPastAndLongValuesWhole) {
    const std::string longName(1000, 'A');
    writeSettings("[FONT]\r\nNAME=" + longName + "\r\nSIZE=12\r\n[HOUGAN]\r\n" + std::string(512 << 10, '#') +
                  "\r\nWIDTH=25\r\n");
    Form1& f = started();
    EXPECT_EQ(f.richCode().paneFont().family().toStdString(), longName);
    EXPECT_EQ(f.richCode().paneFont().pointSizeF(), 12.0);
    EXPECT_EQ(f.engine().settings.HouganWidth, 25);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_GT(settingsText().size(), 512u << 10) << "the long line is kept";
}

// A settings file larger than any the program writes is not read (it could
// be without end) and is never rewritten: it may be something else entirely.
TEST_F(BadSettingsTest, OversizedFileGivesTheDefaultsAndIsNeverRewritten) {
    const std::string huge =
        "[WINDOW]\r\nSTATE=0\r\n[FONT]\r\nSIZE=12\r\n" + std::string(20 << 20, '#') + "\r\n";
    writeSettings(huge);
    const std::string program = writeFile("prog.nc", "G90\nG01 X1.\n");
    started({program});
    expectDefaultsApplied();
    form().richCode_OLEDragDrop({QString::fromStdString(program)});
    EXPECT_FALSE(action("mnuLine99")->isVisible()) << "no recent entry";
    EXPECT_TRUE(settingsText() == huge);
}

// Another program's device, pipe or folder at the settings path: the window
// starts with the defaults at once (nothing is read from it) and never
// writes it, nor replaces it by a file. As root, a device node replaced by
// a file is a broken /dev/null.
TEST_F(BadSettingsTest, DevicePipeOrFolderAtTheSettingsPathIsNeverWritten) {
    const std::string program = writeFile("prog.nc", "G90\nG01 X1.\n");
    const std::string fifo = dir() + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    using Make = std::function<bool(const std::string&)>;
    const std::pair<const char*, Make> cases[] = {
        {"device",
         [](const std::string& at) { return ::mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
        {"pipe", [](const std::string& at) { return ::mkfifo(at.c_str(), 0644) == 0; }},
        {"folder", [](const std::string& at) { return std::filesystem::create_directory(at); }},
        {"link to a pipe", [&](const std::string& at) { return ::symlink(fifo.c_str(), at.c_str()) == 0; }},
        {"link to /dev/zero", [](const std::string& at) { return ::symlink("/dev/zero", at.c_str()) == 0; }},
    };
    for (const auto& [name, make] : cases) {
        restart();
        std::filesystem::remove(settingsPath());
        // Only root may make a device node.
        if (!make(settingsPath())) continue;
        struct stat before {};
        ::lstat(settingsPath().c_str(), &before);
        started({program});
        expectDefaultsApplied();
        form().showNormal();
        form().richCode_OLEDragDrop({QString::fromStdString(program)});
        EXPECT_EQ(editorText(), "G90\r\nG01 X1.\r\n") << name;
        struct stat after {};
        ASSERT_EQ(::lstat(settingsPath().c_str(), &after), 0) << name;
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        EXPECT_EQ(after.st_rdev, before.st_rdev) << name;
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir()), {}), 3) << "no file left behind";
}

// A recent path longer than 254 bytes is kept whole: it opens, and opening
// it again does not add it a second time.
TEST_F(BadSettingsTest, LongJapaneseRecentPathOpensAndIsListedOnce) {
    std::string folder = dir();
    for (int i = 0; i < 3; ++i) {
        folder +=
            "/第" + std::to_string(i + 1) + "工程の加工プログラムと治具の段取り資料をまとめたフォルダー";
        std::filesystem::create_directory(folder);
    }
    const std::string program = folder + "/穴あけ.nc";
    std::ofstream(program, std::ios::binary) << "G90\nG01 X1.\n";
    ASSERT_GT(program.size(), 254u);
    writeSettings("[HISTORY]\n01=" + program + "\n");
    started();
    form().mnuLine99_Click(1);
    EXPECT_EQ(editorText(), "G90\r\nG01 X1.\r\n");
    EXPECT_EQ(form().documentPath(), program);
    form().richCode_OLEDragDrop({QString::fromStdString(program)});
    EXPECT_EQ(form().findChildren<QAction*>("mnuLine99").size(), 2) << "separator and one entry";
    EXPECT_EQ(settingsText().find("02="), std::string::npos);
}
TEST_F(BadSettingsTest, FontSizesNoFontHasKeepAUsableSize) {
    writeSettings("[FONT]\nSIZE=99999\n");
    EXPECT_EQ(started().richCode().paneFont().pointSizeF(), 10.0) << "beyond 16 bits: the default";
    for (const char* size : {"0", "-12"}) {
        restart();
        writeSettings(std::string("[FONT]\nSIZE=") + size + "\n");
        EXPECT_GT(started().richCode().paneFont().pointSizeF(), 0.0) << size;
    }
}

TEST_F(BadSettingsTest, GridPitchOfZeroOrLessDrawsNoGrid) {
    const std::string program = writeFile("prog.nc", "G90\nG01 X250. Y150.\n");
    constexpr QRgb kGrid = 0xFF008080u;
    constexpr QRgb kFeed = 0xFFFFFFFFu;
    writeSettings("[HOUGAN]\nFLAG=True\nWIDTH=100\n");
    started({program});
    ASSERT_GT(pixelsOf(kGrid), 0) << "the grid is seen when there is one";
    for (int width : {-1, 0}) {
        restart();
        writeSettings("[HOUGAN]\nFLAG=True\nWIDTH=" + std::to_string(width) + "\n");
        started({program});
        EXPECT_TRUE(form().engine().settings.HouganFlag);
        EXPECT_EQ(form().engine().settings.HouganWidth, width);
        EXPECT_EQ(pixelsOf(kGrid), 0) << width;
        EXPECT_GT(pixelsOf(kFeed), 0) << "the path is drawn";
        form().mnuViewScaleUp_Click();
        EXPECT_EQ(pixelsOf(kGrid), 0) << "nor after a zoom";
    }
}

TEST_F(BadSettingsTest, WindowStatesOutsideZeroToTwoOpenANormalWindow) {
    for (const char* state : {"-1", "99999999999", "abc", "7"}) {
        restart();
        writeSettings(std::string("[WINDOW]\nSTATE=") + state + "\n");
        Form1& f = started();
        EXPECT_FALSE(f.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) << state;
        EXPECT_GT(f.width(), 0);
        EXPECT_GT(f.engine().view.SurfaceHeight, 0);
        EXPECT_NE(settingsText().find("STATE=0"), std::string::npos) << state;
    }
}

TEST_F(BadSettingsTest, RecentEntriesForVanishedFilesAndFoldersStayAndReportTheFailure) {
    const std::string gone = dir() + "/gone.nc";
    const std::string folder = dir() + "/programs";
    std::filesystem::create_directory(folder);
    const std::string good = writeFile("good.nc", "G90\nG01 X1.\n");
    const std::string history = "[HISTORY]\n01=" + gone + "\n02=" + folder + "\n03=" + good + "\n";
    writeSettings(history);
    started();
    const std::string question = "ＡＢＳ（絶対）座標ですか？\r\n";
    for (const auto& [index, error] : {std::pair{1, ENOENT}, std::pair{2, EISDIR}}) {
        dialogs_.answer(MsgAnswer::Yes);
        form().mnuLine99_Click(index);
        const std::string text = std::generic_category().message(error);
        const auto& m = dialogs_.messages();
        ASSERT_EQ(m.size(), 3u * index);
        EXPECT_EQ(m[m.size() - 3].text, text);
        EXPECT_EQ(m[m.size() - 2].text, question);
        EXPECT_EQ(m[m.size() - 1].text, text);
        EXPECT_EQ(m[m.size() - 1].icon, MsgIcon::Exclamation);
        EXPECT_TRUE(editorText().empty());
    }
    form().mnuLine99_Click(3);
    EXPECT_EQ(editorText(), "G90\r\nG01 X1.\r\n");
    EXPECT_NE(settingsText().find(history.substr(10)), std::string::npos) << "the list is unchanged";
    EXPECT_EQ(form().findChildren<QAction*>("mnuLine99").size(), 4) << "separator and three entries";
}

}  // namespace
}  // namespace orca::test
