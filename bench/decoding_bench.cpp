#ifdef ORCA_WITH_QT

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "bench_programs.h"
#include "document/program_file.h"
#include "document/qt/cp932_codec.h"

namespace orca {
namespace {

// The 1M-line program with a Japanese comment on every tenth line, as UTF-8.
const std::string& JapaneseCommentProgram() {
    static const std::string text = [] {
        const std::string& ascii = MillionLineProgram();
        std::string out;
        out.reserve(ascii.size() + ascii.size() / 4);
        std::size_t line = 0, start = 0;
        for (std::size_t end; (end = ascii.find('\n', start)) != std::string::npos; start = end + 1) {
            out.append(ascii, start, end - start + 1);
            if (++line % 10 == 0) out.append("(穴あけ ﾄﾞﾘﾙ φ10)\r\n");
        }
        return out;
    }();
    return text;
}

const std::string& JapaneseCommentProgramCp932() {
    static const std::string bytes =
        QtTextCodec().encode(JapaneseCommentProgram(), TextEncoding::Cp932).bytes;
    return bytes;
}

void decodeAsLoaded(benchmark::State& state, const std::string& bytes) {
    const QtTextCodec codec;
    for (auto _ : state) {
        const std::string text = codec.decode(bytes, DetectEncoding(bytes));
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// Pure ASCII (about 30 MB): one scan and one copy.
void BM_DetectAndDecodeAscii(benchmark::State& state) { decodeAsLoaded(state, MillionLineProgram()); }
BENCHMARK(BM_DetectAndDecodeAscii)->Unit(benchmark::kMillisecond);

void BM_DetectAndDecodeCp932Comments(benchmark::State& state) {
    decodeAsLoaded(state, JapaneseCommentProgramCp932());
}
BENCHMARK(BM_DetectAndDecodeCp932Comments)->Unit(benchmark::kMillisecond);

void BM_DetectAndDecodeUtf8Comments(benchmark::State& state) {
    decodeAsLoaded(state, JapaneseCommentProgram());
}
BENCHMARK(BM_DetectAndDecodeUtf8Comments)->Unit(benchmark::kMillisecond);

void BM_EncodeCp932Comments(benchmark::State& state) {
    const QtTextCodec codec;
    const std::string& text = JapaneseCommentProgram();
    for (auto _ : state) benchmark::DoNotOptimize(codec.encode(text, TextEncoding::Cp932).bytes.data());
}
BENCHMARK(BM_EncodeCp932Comments)->Unit(benchmark::kMillisecond);

// Reading the 30 MB file from the page cache.
void BM_ReadProgramFile(benchmark::State& state) {
    const std::string path = "/tmp/orca-bench-read-" + std::to_string(::getpid()) + ".nc";
    std::ofstream(path, std::ios::binary) << MillionLineProgram();
    for (auto _ : state) {
        ProgramFile file;
        std::string bytes;
        benchmark::DoNotOptimize(file.open(path) && file.readRest(bytes));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadProgramFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orca

#endif  // ORCA_WITH_QT
