#include <benchmark/benchmark.h>

#include <string>

#include "base/message_sink.h"
#include "document/find.h"

namespace orca {
namespace {

class TextEditor : public FindEditor {
public:
    explicit TextEditor(std::u32string text) : text_(std::move(text)) {}
    std::u32string Text() const override { return text_; }
    std::u32string SelText() const override { return {}; }
    std::size_t SelStart() const override { return selStart_; }
    void Select(std::size_t start, std::size_t) override { selStart_ = start; }
    void moveCaret(std::size_t at) { selStart_ = at; }
    std::size_t size() const { return text_.size(); }

private:
    std::u32string text_;
    std::size_t selStart_ = 0;
};

class NoMessages : public MessageSink {
public:
    void showMessage(const std::string&) override {}
};

// 200 lines of 16,000 characters, and a search (case ignored) for a key of
// 8,000 characters that matches every line almost everywhere and is found
// nowhere: a search that compares text x key characters takes seconds over
// it. Argument: 1 down from the top, 0 up from the end.
void BM_FindLongKeyInLongLines(benchmark::State& state) {
    std::u32string text;
    for (int i = 0; i < 200; ++i) text += std::u32string(16000 - 2, U'X') + U"\r\n";
    TextEditor editor(std::move(text));
    FindState find;
    find.text = std::u32string(8000, U'x') + U"y";
    find.direction = static_cast<std::int16_t>(state.range(0));
    NoMessages messages;
    for (auto _ : state) {
        editor.moveCaret(find.direction == kFindDown ? 0 : editor.size());
        find.textChanged = true;
        FindNext_Sub(find, editor, messages);
    }
}
BENCHMARK(BM_FindLongKeyInLongLines)->Arg(kFindDown)->Arg(kFindUp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orca
