// Files the headless commands and the window share the loading of.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document/program_loading.h"
#include "finite_drawing.h"
#include "nc/mode_detection.h"
#include "one_line_program.h"
#include "scratch_dir.h"
#include "test_support.h"
#include "tiny_cp932.h"

namespace orca {
namespace {

// 100 MB in one record: the detection reads to its end, both passes run
// over it once each, and the editor text is the record and one CR LF.
// (The window refuses it: BadLoadTest.HundredMegabytesWithoutALineEndAreRefusedAtOnce.)
TEST(BadFileTest, HundredMegabytesWithoutALineEndLoadAsOneRecord) {
    test::ScratchDir dir;
    test::TinyCp932 codec;
    test::EngineFixture fx;
    const std::string text = test::ProgramWithoutLineEnds(100 << 20);
    const std::string path = dir.write("one-line.nc", text);

    EXPECT_EQ(AbsIncModeGet(path, codec, fx.sink), 0);
    const LoadedProgram loaded = LoadProgramFile(fx.engine, path, codec);
    EXPECT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_TRUE(loaded.text.size() == text.size() + 2 && loaded.text.starts_with(text) &&
                loaded.text.ends_with("\r\n"));
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
    EXPECT_EQ(AbsIncModeGet(path, codec, fx.sink), -1);
    EXPECT_EQ(LoadProgramFile(fx.engine, path, codec).status, LoadStatus::Empty);
    EXPECT_TRUE(fx.sink.messages.empty());
}

TEST(BadFileTest, DeviceThatNeverEndsIsRefusedOnceItOutgrowsTheMemory) {
    test::TinyCp932 codec;
    test::EngineFixture fx;
    LoadCallbacks callbacks;
    callbacks.availableMemory = [] { return std::optional<std::uint64_t>(64 << 20); };
    EXPECT_EQ(AbsIncModeGet("/dev/zero", codec, fx.sink, callbacks.availableMemory), -1);
    EXPECT_TRUE(fx.sink.messages.empty());
    EXPECT_EQ(LoadProgramFile(fx.engine, "/dev/zero", codec, callbacks).status, LoadStatus::OpenFailed);
    ASSERT_EQ(fx.sink.messages.size(), 1u);
    EXPECT_TRUE(fx.sink.messages[0].starts_with("ファイルが大きすぎるため読み込めません（"));
    EXPECT_TRUE(fx.surface.ops().empty());
}

}  // namespace
}  // namespace orca
