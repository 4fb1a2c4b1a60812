// Files the headless commands and the window share the loading of.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orca
