// Files that are not the programs they claim to be, or that change under
// the load: the window keeps working, tells the user what went wrong, and
// neither the file on disk nor the program already shown is lost.
#include <sys/stat.h>

#include <QImage>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <functional>
#include <system_error>
#include <utility>

#include "../core/finite_drawing.h"
#include "../core/one_line_program.h"
#include "../core/unprivileged_files.h"
#include "app/app_identity.h"
#include "app/ui/surface_view.h"
#include "document/document_state.h"
#include "document/load_memory.h"
#include "document/utf8.h"
#include "form1_fixture.h"
#include "nc/arc_words.h"

namespace orca::test {
namespace {

using namespace std::string_literals;

constexpr const char* kModeQuestion = "ＡＢＳ（絶対）座標ですか？";

// Runs a step when the coordinate-mode question comes up: the moment
// between the detection and the load.
class QuestionHookDialogs : public ScriptedDialogs {
public:
    std::function<void()> onQuestion;

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                      const std::string& title) override {
        if (buttons == MsgButtons::YesNoCancel && onQuestion) std::exchange(onQuestion, {})();
        return ScriptedDialogs::message(text, icon, buttons, title);
    }
};

class BadLoadTest : public Form1Test {
protected:
    static constexpr const char* kFirst = "G90\nG01 X10. Y10.\nG02 X20. Y0 R10.\n";
    static constexpr const char* kFirstText = "G90\r\nG01 X10. Y10.\r\nG02 X20. Y0 R10.\r\n";

    BadLoadTest() { form_ = std::make_unique<Form1>(settingsFile(), hooked_); }
    ~BadLoadTest() override { form_.reset(); }

    const std::vector<ScriptedDialogs::Message>& messages() const { return hooked_.messages(); }
    std::vector<std::string> messageTexts() const { return hooked_.messageTexts(); }

    // A program already in the window, to see what a failed load keeps.
    void startWithFirst() {
        started({writeFile("first.nc", kFirst)});
        ASSERT_EQ(editorText(), kFirstText);
        ASSERT_EQ(form().engine().displayList.LineCount(), 1u);
        ASSERT_EQ(form().engine().displayList.CircleCount(), 1u);
    }
    void expectFirstKept() {
        EXPECT_EQ(editorText(), kFirstText);
        EXPECT_EQ(form().engine().displayList.LineCount(), 1u);
        EXPECT_EQ(form().engine().displayList.CircleCount(), 1u);
        EXPECT_FALSE(form().richCode().changedSinceSave());
    }

    void drop(const std::string& path) { form().richCode_OLEDragDrop({QString::fromStdString(path)}); }

    void expectFiniteDrawing() { EXPECT_TRUE(FiniteDisplayList(form().engine().displayList)); }

    // Renders the whole window once, as the screen would show it.
    void paint() { ASSERT_FALSE(form().grab().isNull()); }

    QuestionHookDialogs hooked_;
};

TEST_F(BadLoadTest, ImageFileLoadsAsMarkedTextThatCannotBeSavedOverIt) {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
    }
    const std::string path = dir() + "/picture.png";
    ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.find("G9"), std::string::npos);

    startWithFirst();
    hooked_.answer(MsgAnswer::Yes);
    drop(path);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kModeQuestion});
    EXPECT_NE(editorText().find(kReplacementChar), std::string::npos)
        << "bytes no code page holds are marked";
    EXPECT_EQ(caption(), CaptionSpaced(path));
    expectFiniteDrawing();
    paint();

    // The marks have no code: the image is never overwritten with them.
    hooked_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_NE(messages()[2].text.find("はShift-JISで表せないため、保存できません。"), std::string::npos);
    EXPECT_EQ(readFile(path), bytes);
}

TEST_F(BadLoadTest, NulBytesStayInTheTextAndAreSavedBack) {
    const std::string bytes = "G90\r\nG01 X10.\0Y5.\r\n\0\0\r\nG01 X20.\r\n"s;
    const std::string path = writeFile("nul.nc", bytes);
    started({path});
    EXPECT_EQ(editorText(), bytes);
    ASSERT_EQ(form().engine().displayList.LineCount(), 2u) << "a NUL ends a number like any other letter";
    EXPECT_EQ(form().engine().nc.CurX, 20);
    EXPECT_EQ(form().engine().nc.CurY, 5);
    paint();

    hooked_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(messages().back().text, "上書き保存しました");
    EXPECT_EQ(readFile(path), bytes);
}

// The editor would lay the one line out for most of a minute before it
// showed anything: the window, which shows lines of up to 16 KB, refuses
// it at once (the headless commands load it,
// BadFileTest.HundredMegabytesWithoutALineEndLoadAsOneRecord).
TEST_F(BadLoadTest, HundredMegabytesWithoutALineEndAreRefusedAtOnce) {
    startWithFirst();
    const std::string path = writeFile("one-line.nc", ProgramWithoutLineEnds(100 << 20));
    drop(path);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{LineTooLongMessage(100 << 20, 16 << 10)});
    EXPECT_EQ(messages()[0].icon, MsgIcon::Exclamation);
    expectFirstKept();
    paint();
    EXPECT_EQ(std::filesystem::file_size(path), 100u << 20);
}

TEST_F(BadLoadTest, InvalidCp932BytesAreMarkedAndNeverWrittenBack) {
    const std::string bytes = "G90\r\n(\x81\x20\xFF\xA0\x80)\r\nG01 X10. Y10.\r\n\x82";
    const std::string path = writeFile("bad-sjis.nc", bytes);
    started({path});
    const std::string mark(kReplacementChar);
    EXPECT_EQ(editorText(),
              "G90\r\n(" + mark + " " + mark + mark + mark + ")\r\nG01 X10. Y10.\r\n" + mark + "\r\n");
    EXPECT_EQ(form().engine().displayList.LineCount(), 1u);

    hooked_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, "2行目の文字「" + mark + "」はShift-JISで表せないため、保存できません。");
    EXPECT_EQ(messages()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(readFile(path), bytes);
}

// "(工具)" in UTF-8 with its last byte lost: not UTF-8 any more, so it is
// read as Shift-JIS, where every byte pair happens to be a character; the
// save gives back the very bytes.
TEST_F(BadLoadTest, AlmostValidUtf8IsReadAsShiftJisAndSavedByteForByte) {
    const std::string bytes = "(\xE5\xB7\xA5\xE5\x85)\r\nG90\r\nG01 X10. Y10.\r\n";
    const std::string path = writeFile("almost-utf8.nc", bytes);
    started({path});
    EXPECT_EQ(form().documentEncoding(), TextEncoding::Cp932);
    EXPECT_EQ(editorText().find(kReplacementChar), std::string::npos);
    EXPECT_TRUE(editorText().ends_with(")\r\nG90\r\nG01 X10. Y10.\r\n"));
    EXPECT_EQ(form().engine().displayList.LineCount(), 1u);

    hooked_.answer(MsgAnswer::Ok);
    form().mnuUpdSave_Click();
    EXPECT_EQ(messages().back().text, "上書き保存しました");
    EXPECT_EQ(readFile(path), bytes);
}

// The file is read once, before the question: what happens to it while the
// question is up changes nothing of what is loaded.
TEST_F(BadLoadTest, FileDeletedOrLockedWhileTheQuestionIsUpLoadsWhatWasRead) {
    ::chmod(dir().c_str(), 0755);
    startWithFirst();
    const std::string doomed = writeFile("doomed.nc", "G01 X5. Y5.\n");
    hooked_.onQuestion = [&] { std::filesystem::remove(doomed); };
    hooked_.answer(MsgAnswer::Yes);
    drop(doomed);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{kModeQuestion});
    EXPECT_EQ(editorText(), "G01 X5. Y5.\r\n");
    EXPECT_EQ(form().documentPath(), doomed);

    const std::string path = writeFile("locked.nc", "G01 X6. Y6.\n");
    std::optional<UnprivilegedFiles> asUser;
    hooked_.onQuestion = [&] {
        ::chmod(path.c_str(), 0);
        asUser.emplace();
    };
    hooked_.answer(MsgAnswer::Yes);
    drop(path);
    ASSERT_TRUE(asUser && asUser->active());
    asUser.reset();
    EXPECT_EQ(editorText(), "G01 X6. Y6.\r\n");
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(readFile(path), "G01 X6. Y6.\n");
}

TEST_F(BadLoadTest, FolderGivenAsTheFileIsReportedByDetectionAndLoad) {
    startWithFirst();
    const std::string folder = dir() + "/programs";
    std::filesystem::create_directory(folder);
    hooked_.answer(MsgAnswer::Yes);
    drop(folder);
    const std::string isDir = std::generic_category().message(EISDIR);
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{isDir, kModeQuestion, isDir}));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Exclamation);
    expectFirstKept();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

// The edge numbers of the interpreter's own tests, in the window: drawn on
// the raster surface and zoomed far in without a hang or a crash.
TEST_F(BadLoadTest, EdgeNumbersDrawAndZoomInTheWindow) {
    const std::string path = writeFile("edges.nc",
                                       "G90\nG01 X10. Y10.\nX1E999\nX-1E308 Y1E308\nG02 X1. R1E-320\n"
                                       "X" +
                                           std::string(400, '9') + "\nX&HFFFFFFFFFFFF\nG01 X20. Y5.\n");
    started({path});
    EXPECT_EQ(messageTexts(), std::vector<std::string>(3, kCalcErrorMessage)) << "for the R1E-320 arc";
    expectFiniteDrawing();
    for (int i = 0; i < 40; ++i) form().mnuViewScaleUp_Click();
    paint();
    EXPECT_EQ(form().engine().nc.CurX, 20);
}

}  // namespace
}  // namespace orca::test
