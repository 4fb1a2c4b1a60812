// Files the headless commands and the window share the loading of.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/file_mode.h"
#include "document/program_loading.h"
#include "finite_drawing.h"
#include "nc/arc_words.h"
#include "one_line_program.h"
#include "scratch_dir.h"
#include "test_support.h"
#include "tiny_cp932.h"

namespace orca {
namespace {

// 100 MB in one record: the detection decodes it once, both passes run
// over it once each, and the editor text is the record and one CR LF.
// (The window refuses it: BadLoadTest.HundredMegabytesWithoutALineEndAreRefusedAtOnce.)
TEST(BadFileTest, HundredMegabytesWithoutALineEndLoadAsOneRecord) {
    test::ScratchDir dir;
    test::TinyCp932 codec;
    test::EngineFixture fx;
    const std::string text = test::ProgramWithoutLineEnds(100 << 20);
    const std::string path = dir.write("one-line.nc", text);

    ProgramBytes file = ReadProgramFile(path);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(AbsIncModeInBytes(file.bytes, codec), 0);
    std::string editorText;
    LoadCallbacks callbacks;
    callbacks.editorText = [&editorText](std::string_view piece) { editorText.append(piece); };
    const LoadedProgram loaded = LoadProgramBytes(fx.engine, std::move(file.bytes), codec, callbacks);
    EXPECT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_TRUE(editorText.size() == text.size() + 2 && editorText.starts_with(text) &&
                editorText.ends_with("\r\n"));
    EXPECT_FALSE(fx.engine.displayList.empty());
    EXPECT_TRUE(test::FiniteDisplayList(fx.engine.displayList));
    EXPECT_TRUE(test::FiniteSurfaceOps(fx.surface));
    for (const std::string& m : fx.sink.messages) EXPECT_EQ(m, kCalcErrorMessage);
}

// Were the open to wait for a writer, this would never return.
TEST(BadFileTest, PipeWithoutAWriterReadsAsAnEmptyFile) {
    test::ScratchDir dir;
    test::TinyCp932 codec;
    test::EngineFixture fx;
    const std::string path = dir.file("pipe.nc");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const ProgramBytes file = ReadProgramFile(path);
    EXPECT_TRUE(file.ok());
    EXPECT_TRUE(file.bytes.empty());
    EXPECT_EQ(AbsIncModeInBytes(file.bytes, codec), -1);
}

// The read stops one byte past what the memory could take for a load: it
// neither runs on nor holds more than that.
TEST(BadFileTest, DeviceThatNeverEndsIsRefusedOnceItOutgrowsTheMemory) {
    constexpr std::uint64_t kAvailable = 64 << 20;
    const ProgramBytes file = ReadProgramFile("/dev/zero", {[] { return kAvailable; }, 0});
    EXPECT_FALSE(file.ok());
    EXPECT_FALSE(file.openFailed);
    EXPECT_TRUE(file.error.starts_with("ファイルが大きすぎるため読み込めません（")) << file.error;
    EXPECT_TRUE(file.bytes.empty()) << "what was read is let go";

    const ProgramBytes window = ReadProgramFile("/dev/zero", {[] { return kAvailable; }, 16 << 10});
    EXPECT_EQ(window.error, LineTooLongMessage(1 << 20, 16 << 10))
        << "the first piece read is too long a line";
}

}  // namespace
}  // namespace orca
