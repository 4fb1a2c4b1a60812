// Settings files broken by hand, by a crash or by another program: the
// window starts with what can be read and defaults for the rest, draws no
// grid it cannot draw, and keeps the file's other lines as they were.
#include <QMenu>
#include <cerrno>
#include <filesystem>
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

TEST_F(BadSettingsTest, TenMegabyteLinesAreReadPastAndCut) {
    const std::string longName(10 << 20, 'A');
    writeSettings("[FONT]\r\nNAME=" + longName + "\r\nSIZE=12\r\n[HOUGAN]\r\n" + std::string(10 << 20, '#') +
                  "\r\nWIDTH=25\r\n");
    Form1& f = started();
    EXPECT_EQ(f.richCode().paneFont().family().toStdString(), std::string(254, 'A'));
    EXPECT_EQ(f.richCode().paneFont().pointSizeF(), 12.0);
    EXPECT_EQ(f.engine().settings.HouganWidth, 25);
    EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
    EXPECT_GT(settingsText().size(), 20u << 20) << "the long lines are kept";
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
