#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "base/message_sink.h"
#include "nc/arc_words.h"

namespace orca {
namespace {

const QString kCorpus = QStringLiteral(ORCA_CORPUS_DIR);
const QString kGolden = QStringLiteral(ORCA_TEST_DATA_DIR "/golden");
const QString kSample = QStringLiteral(ORCA_TEST_DATA_DIR "/../samples/sample.nc");
const QString kHelpHint = QStringLiteral("Try 'orca-nc-editor --help' for more information.");

struct AppRun {
    int exitCode = -1;
    QByteArray out;
    QStringList errLines;
};

// Runs the program's headless command, `input` written to its standard
// input (a pipe) and `inChild` run in the child before the program starts
// (limits, say); a run that does not end in time fails.
AppRun runApp(const QStringList& args, const QByteArray& input = {},
              const std::function<void()>& inChild = {}) {
    QProcess p;
    if (inChild) p.setChildProcessModifier(inChild);
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

// Each case of tests/golden was checked by hand against its program once
// (scripts/golden.sh writes them again for review): a change here is a
// change of what the passes draw.
TEST(GoldenDump, EveryCaseMatchesItsCheckedOutput) {
    const QStringList cases = QDir(kGolden).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(cases.size(), 6);
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const QDir dir(kGolden + '/' + name);
        ASSERT_FALSE(readFile(dir.filePath("about")).trimmed().isEmpty()) << "what the case covers";
        const QStringList options = QString::fromUtf8(readFile(dir.filePath("options")))
                                        .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        const AppRun r = runApp(QStringList{"--dump", dir.filePath("program.nc")} << options);
        EXPECT_EQ(r.exitCode, 0);
        const QByteArray expected = readFile(dir.filePath("expected.dump"));
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(r.out.toStdString(), expected.toStdString());
        const QStringList expectedErr =
            QString::fromUtf8(readFile(dir.filePath("expected.err"))).split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(r.errLines, expectedErr);
    }
}

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
        ASSERT_EQ(r.errLines.size(), 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.errLines[1], kHelpHint);
    }
}

// Asking for help or the version never starts the window, nor does a wrong
// option: neither needs a display.
TEST(CommandLine, HelpVersionAndWrongOptionsAnswerWithoutAWindow) {
    AppRun r = runApp({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("Usage: orca-nc-editor ")) << r.out.toStdString();
    EXPECT_TRUE(r.errLines.isEmpty());

    r = runApp({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith("orca-nc-editor (OrcaＮＣEditor) ")) << r.out.toStdString();

    for (const QStringList& args :
         {QStringList{"--bogus"}, QStringList{"-x.nc"}, QStringList{"a.nc", "-style"}}) {
        r = runApp(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        ASSERT_EQ(r.errLines.size(), 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.errLines[0].startsWith("orca-nc-editor: ")) << r.errLines[0].toStdString();
        EXPECT_TRUE(r.errLines[0].contains(args.back())) << r.errLines[0].toStdString();
        EXPECT_EQ(r.errLines[1], kHelpHint);
    }
}

TEST(CommandLine, HelpThatCannotBeWrittenFails) {
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(QStringLiteral(ORCA_APP_BINARY), {"--help"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardError().contains("No space left on device"));
}

// Headless commands take names that begin with '-' after "--".
TEST(CommandLine, DoubleDashNamesFilesThatLookLikeOptions) {
    QTemporaryDir dir;
    writeFile(dir, "-prog.nc", readFile(kSample));
    const QByteArray inDir = QFile::encodeName(dir.path());
    const auto chdirToDir = [&inDir] {
        if (::chdir(inDir.constData()) != 0) ::_exit(127);
    };
    AppRun r = runApp({"--dump", "--", "-prog.nc"}, {}, chdirToDir);
    EXPECT_EQ(r.exitCode, 0) << r.errLines.join('\n').toStdString();
    EXPECT_EQ(r.out, runApp({"--dump", kSample}).out);
    r = runApp({"--render", "--", "-prog.nc", "-prog.png"}, {}, chdirToDir);
    EXPECT_EQ(r.exitCode, 0) << r.errLines.join('\n').toStdString();
    EXPECT_EQ(QImage(QDir(dir.path()).filePath("-prog.png")).size(), QSize(1200, 800));
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

TEST(HeadlessCommands, RenderNeverWritesOverTheProgram) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    const QByteArray program = readFile(kSample);
    const QString prog = writeFile(dir, "prog.nc", program);
    const QString oldPng = writeFile(dir, "old.png", "old picture");
    const QString namedPng = writeFile(dir, "prog.png", program);
    ASSERT_TRUE(QFile::link(prog, d.filePath("link.png")));
    ASSERT_EQ(::link(prog.toLocal8Bit().constData(), d.filePath("hard.png").toLocal8Bit().constData()), 0);
    const QList<QStringList> refused = {
        {prog, prog},                          // the program named as the picture
        {oldPng, prog},                        // the two swapped
        {prog, d.filePath("link.png")},        // a link to the program
        {prog, d.filePath("hard.png")},        // another name of the program
        {namedPng, namedPng},                  // a program that happens to be named .png
        {namedPng, d.filePath("./prog.png")},  // the same path spelled otherwise
    };
    for (const QStringList& files : refused) {
        const AppRun r = runApp(QStringList{"--render"} << files);
        EXPECT_EQ(r.exitCode, 2) << files.join(' ').toStdString();
        // An OUT not ending in .png is a usage error, followed by the hint.
        const qsizetype lines = files.last().endsWith(".png") ? 1 : 2;
        ASSERT_EQ(r.errLines.size(), lines) << files.join(' ').toStdString();
        if (lines == 2) {
            EXPECT_EQ(r.errLines[1], kHelpHint);
        }
    }
    EXPECT_EQ(readFile(prog), program);
    EXPECT_EQ(readFile(namedPng), program);
    EXPECT_EQ(readFile(oldPng), "old picture");

    const QString upper = d.filePath("OUT.PNG");
    EXPECT_EQ(runApp({"--render", prog, upper}).exitCode, 0);
    EXPECT_EQ(QImage(upper).size(), QSize(1200, 800));
}

TEST(HeadlessCommands, RenderRefusesAnOutputThatIsNotARegularFile) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    const QString fifo = d.filePath("fifo.png");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(d.mkdir("folder.png"));
    ASSERT_TRUE(QFile::link("/dev/full", d.filePath("full.png")));
    for (const QString& out : {fifo, d.filePath("folder.png"), d.filePath("full.png")}) {
        const AppRun r = runApp({"--render", kSample, out});
        EXPECT_EQ(r.exitCode, 1) << out.toStdString();
        ASSERT_EQ(r.errLines.size(), 1) << out.toStdString();
        EXPECT_TRUE(r.errLines[0].contains(out)) << r.errLines[0].toStdString();
    }
    struct stat st {};
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO is left as it was";
}

// A write cut short by a file-size limit (as by a full disk) is reported and
// the picture already there stays whole.
TEST(HeadlessCommands, FailedRenderWriteKeepsThePreviousPicture) {
    QTemporaryDir dir;
    const QByteArray previous = "the previous picture";
    const QString png = writeFile(dir, "out.png", previous);
    const AppRun r = runApp({"--render", kSample, png}, {}, [] {
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(r.exitCode, 1) << "-1 is a crash";
    ASSERT_EQ(r.errLines.size(), 1);
    EXPECT_TRUE(r.errLines[0].contains("out.png")) << r.errLines[0].toStdString();
    EXPECT_EQ(readFile(png), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.png"}) << "no temporary file is left";
}

TEST(HeadlessCommands, DumpThatCannotBeWrittenFailsWithTheReason) {
    const AppRun r = runApp({"--dump", kSample}, {}, [] {
        const int full = ::open("/dev/full", O_WRONLY);
        ::dup2(full, STDOUT_FILENO);
    });
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(r.errLines.size(), 1);
    EXPECT_TRUE(r.errLines[0].contains("cannot write the dump: No space left on device"))
        << r.errLines[0].toStdString();
}

// Under "ulimit -v" the load is refused with a message once the read would
// pass what the limit leaves, instead of the process dying of a failed
// allocation however much the machine has free.
TEST(HeadlessCommands, EndlessInputIsRefusedWithinTheAddressSpaceLimit) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
#endif
    const AppRun r = runApp({"--dump", "/dev/zero"}, {}, [] {
        const rlimit limit{400 * 1024 * 1024, RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    EXPECT_EQ(r.exitCode, 1) << "-1 is a crash";
    ASSERT_FALSE(r.errLines.isEmpty());
    EXPECT_TRUE(r.errLines[0].startsWith("ファイルが大きすぎるため読み込めません"))
        << r.errLines[0].toStdString();
    EXPECT_TRUE(r.out.isEmpty());
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
