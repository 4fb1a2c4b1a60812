#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "nc/message_sink.h"

namespace orca {
namespace {

const QString kCorpus = QStringLiteral(ORCA_CORPUS_DIR);
const QString kGolden = QStringLiteral(ORCA_TEST_DATA_DIR "/golden");
const QString kSample = QStringLiteral(ORCA_TEST_DATA_DIR "/../samples/sample.nc");

struct AppRun {
    int exitCode = -1;
    QByteArray out;
    QStringList errLines;
};

// Runs the program's headless command, `input` written to its standard
// input (a pipe); a run that does not end in time fails.
AppRun runApp(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral(ORCA_APP_BINARY), args);
    p.write(input);
    p.closeWriteChannel();
    AppRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "timed out: " << args.join(' ').toStdString();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.errLines = QString::fromUtf8(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    return r;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

struct GoldenCase {
    const char* name;  // tests/golden/<name>.dump
    QString program;
    QStringList options;
    int calcErrors;  // calculation error messages expected on standard error
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class GoldenDump : public ::testing::TestWithParam<GoldenCase> {};

// Each golden file was checked by hand against its program once; a change
// here is a change of what the passes draw.
TEST_P(GoldenDump, MatchesTheCheckedDump) {
    const GoldenCase& c = GetParam();
    if (!QFile::exists(c.program)) GTEST_SKIP() << "no program at " << c.program.toStdString();
    const AppRun r = runApp(QStringList{"--dump", c.program} << c.options);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.errLines.size(), c.calcErrors);
    for (const QString& line : r.errLines) EXPECT_EQ(line.toStdString(), kCalcErrorMessage);
    const QByteArray golden = readFile(kGolden + '/' + c.name + ".dump");
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(r.out.toStdString(), golden.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Programs, GoldenDump,
    ::testing::Values(
        GoldenCase{"sample_grid10", kSample, {"--grid", "10"}, 0},
        GoldenCase{
            "train_Exclamation_Point_grid1", kCorpus + "/train_Exclamation_Point.nc", {"--grid", "1"}, 0},
        GoldenCase{
            "mc_fourHolesClassPracticeFromCam", kCorpus + "/mc_fourHolesClassPracticeFromCam.NC", {}, 0},
        GoldenCase{"haas_o78244_4x3_block", kCorpus + "/haas_o78244_4x3_block.nc", {}, 0},
        GoldenCase{
            "no_mode_steps_window4000x3000", kGolden + "/no_mode_steps.nc", {"--window", "4000x3000"}, 0},
        GoldenCase{"no_mode_steps_inc_window4000x3000",
                   kGolden + "/no_mode_steps.nc",
                   {"--inc", "--window", "4000x3000"},
                   3}),
    [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

TEST(HeadlessCommands, RenderWritesThePictureAtTheAskedSize) {
    QTemporaryDir dir;
    const QString withGrid = QDir(dir.path()).filePath("grid.png");
    const QString plain = QDir(dir.path()).filePath("plain.png");
    ASSERT_EQ(runApp({"--render", kSample, withGrid, "--grid", "10"}).exitCode, 0);
    ASSERT_EQ(runApp({"--render", kSample, plain, "--size", "600x400"}).exitCode, 0);
    const QImage g(withGrid);
    const QImage p(plain);
    ASSERT_EQ(g.size(), QSize(1200, 800));
    ASSERT_EQ(p.size(), QSize(600, 400));
    const auto count = [](const QImage& img, QRgb colour) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        return n;
    };
    EXPECT_GT(count(g, qRgb(0, 128, 128)), 1000);  // grid
    EXPECT_EQ(count(p, qRgb(0, 128, 128)), 0);
    EXPECT_GT(count(p, qRgb(0, 255, 255)), 50);     // holes
    EXPECT_GT(count(p, qRgb(255, 255, 255)), 500);  // feeds and arcs
    EXPECT_GT(count(p, qRgb(128, 128, 128)), 50);   // rapids
    // The origin is the fitted box's lower-left corner: bottom-left pixel.
    EXPECT_EQ(p.pixel(0, 399) & 0xFFFFFF, 0x808080u);
}

TEST(HeadlessCommands, EmptyFileAndFileWithoutExtent) {
    QTemporaryDir dir;
    const QString empty = writeFile(dir, "empty.nc", "");
    AppRun r = runApp({"--dump", empty});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());
    const QString png = QDir(dir.path()).filePath("empty.png");
    EXPECT_EQ(runApp({"--render", empty, png}).exitCode, 0);
    EXPECT_EQ(QImage(png).size(), QSize(1200, 800));

    const QString zOnly = writeFile(dir, "z.nc", "G90\r\nG01 Z-5.\r\n");
    r = runApp({"--dump", zOnly, "--grid", "10"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.toStdString(), "V -99999.999 0 -99999.999 0 0\n");
}

TEST(HeadlessCommands, FailuresExitNonZeroWithOneLine) {
    QTemporaryDir dir;
    const QString missing = QDir(dir.path()).filePath("missing.nc");
    AppRun r = runApp({"--dump", missing});
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(r.errLines.size(), 1);
    EXPECT_TRUE(r.errLines[0].contains("missing.nc"));
    EXPECT_TRUE(r.out.isEmpty());

    r = runApp({"--render", kSample, QDir(dir.path()).filePath("no/such/dir/out.png")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_EQ(r.errLines.size(), 1);

    for (const QStringList& args :
         {QStringList{"--dump", kSample, "--grid", "2.5"}, QStringList{"--dump", kSample, "--bogus"},
          QStringList{"--render", kSample}, QStringList{"--render", kSample, "x.png", "--size", "800"}}) {
        r = runApp(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.errLines.size(), 1) << args.join(' ').toStdString();
    }
}

// A pipe can be read only once: the mode and the drawing come from the same
// bytes, all of them.
TEST(HeadlessCommands, ProgramFromAPipeIsReadWhole) {
    QTemporaryDir dir;
    QByteArray program = "G91\n";
    for (int i = 0; i < 20000; ++i) program += "G01 X1. Y" + QByteArray::number(i % 2 ? 1 : -1) + ".\n";
    const AppRun fromFile = runApp({"--dump", writeFile(dir, "p.nc", program)});
    ASSERT_EQ(fromFile.exitCode, 0);
    ASSERT_EQ(fromFile.out.count('\n'), 20001) << "the view line and every move";
    const AppRun fromPipe = runApp({"--dump", "/dev/stdin"}, program);
    EXPECT_EQ(fromPipe.exitCode, 0);
    EXPECT_EQ(fromPipe.out, fromFile.out);
}

// Every real program loads, dumps and renders, whatever its dialect.
TEST(HeadlessCommands, EveryCorpusProgramDumpsAndRenders) {
    if (!QDir(kCorpus).exists()) GTEST_SKIP() << "no corpus at " << kCorpus.toStdString();
    QTemporaryDir dir;
    const QStringList files = QDir(kCorpus).entryList(QDir::Files);
    ASSERT_GT(files.size(), 20);
    for (const QString& name : files) {
        if (name == "SOURCES.md") continue;
        SCOPED_TRACE(name.toStdString());
        const QString program = QDir(kCorpus).filePath(name);
        const AppRun dump = runApp({"--dump", program, "--grid", "1"});
        EXPECT_EQ(dump.exitCode, 0);
        EXPECT_TRUE(dump.out.startsWith("V "));
        for (const QString& line : dump.errLines) EXPECT_EQ(line.toStdString(), kCalcErrorMessage);
        const QString png = QDir(dir.path()).filePath(name + ".png");
        EXPECT_EQ(runApp({"--render", program, png, "--size", "300x200"}).exitCode, 0);
        EXPECT_EQ(QImage(png).size(), QSize(300, 200));
    }
}

}  // namespace
}  // namespace orca
