#include "document/program_loading.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "scratch_dir.h"
#include "test_support.h"
#include "tiny_cp932.h"

namespace orca {
namespace {

class ProgramLoadingTest : public ::testing::Test {
protected:
    test::ScratchDir dir;
    test::TinyCp932 codec;
    test::EngineFixture fx;

    // The editor text of the last load.
    std::string text;

    LoadedProgram load(const std::string& path, LoadCallbacks callbacks = {}) {
        ProgramBytes file = ReadProgramFile(path);
        EXPECT_TRUE(file.ok()) << file.error;
        text.clear();
        callbacks.editorText = [this](std::string_view piece) { text.append(piece); };
        return LoadProgramBytes(fx.engine, std::move(file.bytes), codec, callbacks);
    }
};

TEST_F(ProgramLoadingTest, RecordsEachGetCrLfAndThePathIsDrawn) {
    const std::string path = dir.write("a.nc", "G90\nG00 X10. Y10.\r\n (T1, DRILL)\rG01 X20.");
    const LoadedProgram loaded = load(path);
    EXPECT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(loaded.encoding, TextEncoding::Cp932);
    EXPECT_EQ(text, "G90\r\nG00 X10. Y10.\r\n (T1, DRILL)\r\nG01 X20.\r\n");
    ASSERT_EQ(fx.engine.displayList.LineCount(), 2u);
    EXPECT_EQ(fx.engine.displayList.lines[0].DrawStyle, 2) << "rapid dotted";
    EXPECT_EQ(fx.engine.displayList.lines[1].DrawStyle, 0) << "feed solid";
    EXPECT_TRUE(fx.sink.messages.empty());
}

TEST_F(ProgramLoadingTest, PassesSeeDecodedText) {
    // 0x83 0x58 is one character ("ス") whose trail byte is "X" in ASCII:
    // there is no X word here.
    load(dir.write("a.nc", "G01\x83X10.\r\n"));
    EXPECT_EQ(text, "G01" + std::string(kReplacementChar) + "10.\r\n") << "unknown to the tiny table";
    EXPECT_TRUE(fx.engine.displayList.empty());
}

TEST_F(ProgramLoadingTest, KeepsTheEncodingOfUtf8Files) {
    const LoadedProgram bom = load(dir.write("bom.nc", "\xEF\xBB\xBF(穴)\nG90\n"));
    EXPECT_EQ(bom.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(text, "(穴)\r\nG90\r\n");
    const LoadedProgram plain = load(dir.write("utf8.nc", "(穴)\nG90"));
    EXPECT_EQ(plain.encoding, TextEncoding::Utf8);
    EXPECT_EQ(text, "(穴)\r\nG90\r\n");
}

TEST_F(ProgramLoadingTest, EmptyFileChangesNothing) {
    load(dir.write("a.nc", "G01 X10. Y5.\n"));
    const std::size_t drawn = fx.engine.displayList.LineCount();
    const std::size_t ops = fx.surface.ops().size();
    ASSERT_GT(drawn, 0u);

    bool started = false;
    LoadCallbacks callbacks;
    callbacks.started = [&](std::uint64_t) { started = true; };
    const LoadedProgram loaded = load(dir.write("empty.nc", ""), callbacks);
    EXPECT_EQ(loaded.status, LoadStatus::Empty);
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(started);
    EXPECT_EQ(fx.engine.displayList.LineCount(), drawn);
    EXPECT_EQ(fx.surface.ops().size(), ops) << "surface not cleared";
    EXPECT_TRUE(fx.sink.messages.empty());
}

TEST_F(ProgramLoadingTest, OpenFailureCarriesTheSystemText) {
    const ProgramBytes missing = ReadProgramFile(dir.file("missing.nc"));
    EXPECT_TRUE(missing.openFailed);
    EXPECT_EQ(missing.error, std::generic_category().message(ENOENT));
    const ProgramBytes folder = ReadProgramFile(dir.path().string());
    EXPECT_TRUE(folder.openFailed);
    EXPECT_EQ(folder.error, std::generic_category().message(EISDIR));
    EXPECT_TRUE(fx.sink.messages.empty()) << "the caller reports";
}

// A name is taken exactly: blanks around it are part of it.
TEST_F(ProgramLoadingTest, PathIsUsedExactly) {
    dir.write("a.nc", "G90\nG01 X1.\n");
    const std::string blank = dir.write(" a.nc ", "G91\n");
    const ProgramBytes file = ReadProgramFile(blank);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.bytes, "G91\n");
    EXPECT_TRUE(ReadProgramFile(dir.file("a.nc ")).openFailed);
}

TEST_F(ProgramLoadingTest, CallbacksGetLengthAndProgress) {
    const std::string path = dir.write("a.nc", "G90\nG01 X1.\n");
    std::uint64_t startedBytes = 0;
    std::vector<std::size_t> progress;
    LoadCallbacks callbacks;
    callbacks.started = [&](std::uint64_t bytes) { startedBytes = bytes; };
    callbacks.progress = [&](std::size_t done) { progress.push_back(done); };
    const LoadedProgram loaded = load(path, callbacks);
    EXPECT_EQ(loaded.status, LoadStatus::Loaded);
    EXPECT_EQ(startedBytes, 12u);
    EXPECT_EQ(progress, (std::vector<std::size_t>{3, 11, 12})) << "each record's end, then the whole";
}

}  // namespace
}  // namespace orca
