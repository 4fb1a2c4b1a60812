// Zoom and pan replay the display list with the quick replay of the raster
// surface; on every program of the corpus, fitted, zoomed in and panned, it
// gives the picture of one Line or Circle call per item.
#include <gtest/gtest.h>

#include <QDir>

#include "app/ui/raster_surface.h"
#include "base/message_sink.h"
#include "document/file_mode.h"
#include "document/program_loading.h"
#include "document/qt/cp932_codec.h"
#include "nc/plot_engine.h"
#include "nc/program_plot.h"
#include "nc/view_fit.h"
#include "program_generator.h"

namespace orca {
namespace {

class NoMessages : public MessageSink {
public:
    void showMessage(const std::string&) override {}
};

// Pixels that differ between the quick replay and the calls one by one.
int differingPixels(const DisplayList& list, RasterSurface& surface) {
    surface.Cls();
    ReplayItemByItem(list, surface);
    const QImage oneByOne = surface.image().copy();
    surface.Cls();
    DisplayList_Redraw(list, surface);
    const QImage& quick = surface.image();
    int differing = 0;
    for (int y = 0; y < quick.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(quick.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(oneByOne.constScanLine(y));
        for (int x = 0; x < quick.width(); ++x) differing += a[x] != b[x];
    }
    return differing;
}

TEST(ReplayCorpusTest, QuickReplayDrawsEveryCorpusProgramAsTheCallsOneByOne) {
    const QDir corpus(QStringLiteral(ORCA_CORPUS_DIR));
    const QStringList files =
        corpus.entryList({"*.nc", "*.ngc", "*.ptp", "*.tap", "*.cnc", "*.gcode"}, QDir::Files);
    if (files.isEmpty()) GTEST_SKIP() << "no corpus at " << ORCA_CORPUS_DIR;
    const QtTextCodec codec;
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        ProgramBytes file = ReadProgramFile(corpus.filePath(name).toStdString());
        ASSERT_TRUE(file.ok());
        RasterSurface surface(1200, 800);
        PlainToolMarker marker;
        NoMessages messages;
        PlotEngine engine(surface, marker, messages);
        const std::int16_t mode = std::max<std::int16_t>(AbsIncModeInBytes(file.bytes, codec), 0);
        engine.nc.IncFlag = mode;
        engine.settings.IncFlagDefault = mode;
        ResetWindow(engine, 18000.0f, 12000.0f);
        static_cast<void>(LoadProgramBytes(engine, std::move(file.bytes), codec));

        const ScaleWindow fitted = surface.window();
        const ScaleWindow zoomed{fitted.ScaleLeft + fitted.ScaleWidth * 0.3f,
                                 fitted.ScaleTop + fitted.ScaleHeight * 0.4f, fitted.ScaleWidth / 8,
                                 fitted.ScaleHeight / 8};
        const ScaleWindow panned{fitted.ScaleLeft - fitted.ScaleWidth / 2,
                                 fitted.ScaleTop + fitted.ScaleHeight / 3, fitted.ScaleWidth * 2,
                                 fitted.ScaleHeight * 2};
        for (const ScaleWindow& w : {fitted, zoomed, panned}) {
            surface.setWindow(w);
            EXPECT_EQ(differingPixels(engine.displayList, surface), 0);
        }
    }
}

// A picture drawn once (the headless render) is drawn without keeping the
// list: the very same pixels, and nothing kept.
TEST(ReplayCorpusTest, DrawingWithoutKeepingTheListGivesTheSamePicture) {
    ProgramOptions options;
    options.lines = 20000;
    const std::string text = GenerateProgram(options) + "G17 G81 X10. Y10. Z-1. R1.\nG18 G02 X5. Z5. R5.\n";
    QImage pictures[2];
    for (const bool keep : {true, false}) {
        RasterSurface surface(1200, 800);
        PlainToolMarker marker;
        NoMessages messages;
        PlotEngine engine(surface, marker, messages);
        engine.keepDisplayList = keep;
        ResetWindow(engine, 18000.0f, 12000.0f);
        ASSERT_TRUE(PlotLoadedProgram(engine, text));
        EXPECT_EQ(engine.displayList.empty(), !keep);
        pictures[keep] = surface.image().copy();
    }
    EXPECT_TRUE(pictures[0] == pictures[1]);
}

}  // namespace
}  // namespace orca
