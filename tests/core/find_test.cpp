#include "document/find.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

using namespace orca;
using test::CollectingSink;

namespace {

class FakeEditor : public FindEditor {
public:
    explicit FakeEditor(std::u32string t, std::size_t caret = 0) : text(std::move(t)), selStart(caret) {}

    std::u32string text;
    std::size_t selStart;
    std::size_t selLength = 0;

    std::u32string Text() const override { return text; }
    std::u32string SelText() const override { return text.substr(selStart, selLength); }
    std::size_t SelStart() const override { return selStart; }
    void Select(std::size_t start, std::size_t length) override {
        selStart = start;
        selLength = length;
    }
};

// A search as the dialog starts it: the text was just typed.
struct Search {
    FindState state;
    FakeEditor editor;
    CollectingSink sink;

    Search(std::u32string text, std::size_t caret, std::u32string key, std::int16_t direction,
           std::int16_t matchCase = 0)
        : editor(std::move(text), caret) {
        state.text = std::move(key);
        state.direction = direction;
        state.matchCase = matchCase;
        state.textChanged = true;
    }

    void step() { FindNext_Sub(state, editor, sink); }
};

const std::u32string kTwoLines = U"G01 X1.\r\nG02 X2.";

}  // namespace

TEST(FindNext, DownFindsEachOccurrenceOnceWithoutWrapping) {
    Search s(kTwoLines, 0, U"G0", kFindDown);
    s.step();
    EXPECT_EQ(s.editor.selStart, 0u);
    EXPECT_EQ(s.editor.selLength, 2u);
    s.step();
    EXPECT_EQ(s.editor.selStart, 9u);
    EXPECT_EQ(s.editor.selLength, 2u);
    EXPECT_TRUE(s.sink.messages.empty());
    s.step();
    ASSERT_EQ(s.sink.messages.size(), 1u);
    EXPECT_EQ(s.sink.messages[0], "文字列 \"G0\" が見つかりません。");
    EXPECT_EQ(s.editor.selStart, 9u);
    EXPECT_EQ(s.state.lastPos, 9u);
    EXPECT_FALSE(s.state.textChanged);
}

TEST(FindNext, CaseIsIgnoredUnlessAsked) {
    Search ignoring(kTwoLines, 0, U"g02", kFindDown, 0);
    ignoring.step();
    EXPECT_EQ(ignoring.editor.selStart, 9u);
    EXPECT_EQ(ignoring.editor.selLength, 3u);

    Search matching(kTwoLines, 0, U"g02", kFindDown, 1);
    matching.step();
    ASSERT_EQ(matching.sink.messages.size(), 1u);
    EXPECT_EQ(matching.sink.messages[0], "文字列 \"g02\" が見つかりません。");  // as typed
    EXPECT_EQ(matching.editor.selStart, 0u);
}

TEST(FindNext, FreshUpwardSearchSkipsTheCharacterBeforeTheCaret) {
    Search c(U"abc", 3, U"c", kFindUp);
    c.step();
    EXPECT_EQ(c.sink.messages.size(), 1u);
    EXPECT_EQ(c.editor.selStart, 3u);

    Search b(U"abc", 3, U"b", kFindUp);
    b.step();
    EXPECT_TRUE(b.sink.messages.empty());
    EXPECT_EQ(b.editor.selStart, 1u);
    EXPECT_EQ(b.editor.selLength, 1u);
}

TEST(FindNext, RepeatedUpwardSearchMovesToThePreviousMatch) {
    Search s(U"ab ab ab", 8, U"ab", kFindUp);
    s.step();
    EXPECT_EQ(s.editor.selStart, 6u);
    s.step();
    EXPECT_EQ(s.editor.selStart, 3u);
    s.step();
    EXPECT_EQ(s.editor.selStart, 0u);
    s.step();
    EXPECT_EQ(s.sink.messages.size(), 1u);
    EXPECT_EQ(s.editor.selStart, 0u);
}

TEST(FindNext, FreshDownwardSearchFindsTheOccurrenceAtTheCaret) {
    Search s(kTwoLines, 9, U"G02", kFindDown);
    s.step();
    EXPECT_EQ(s.editor.selStart, 9u);

    // An edited search text restarts at the caret, so the same match is found again.
    s.state.textChanged = true;
    s.step();
    EXPECT_EQ(s.editor.selStart, 9u);
    EXPECT_TRUE(s.sink.messages.empty());
}

TEST(FindNext, MovedCaretSearchesFromTheCaret) {
    Search s(U"X1 X2 X3 X4", 0, U"X", kFindDown);
    s.step();
    EXPECT_EQ(s.editor.selStart, 0u);
    s.editor.selStart = 7;
    s.step();
    EXPECT_EQ(s.editor.selStart, 9u);
}

TEST(FindNext, EmptyEditorReportsAtOnceAndKeepsTheState) {
    Search s(U"", 0, U"G0", kFindDown);
    s.state.lastPos = 7;
    s.step();
    ASSERT_EQ(s.sink.messages.size(), 1u);
    EXPECT_EQ(s.sink.messages[0], "文字列 \"G0\" が見つかりません。");
    EXPECT_EQ(s.state.lastPos, 7u);
    EXPECT_TRUE(s.state.textChanged);
}

TEST(FindNext, PositionsAreCharactersAndNotLimitedTo16Bits) {
    std::u32string text = U"（穴）" + std::u32string(70000, U'x') + U"G81";
    Search s(text, 0, U"g81", kFindDown);
    s.step();
    EXPECT_EQ(s.editor.selStart, 70003u);
    s.state.direction = kFindUp;
    s.editor.selStart = text.size();
    s.state.textChanged = true;
    s.state.text = U"穴";
    s.step();
    EXPECT_EQ(s.editor.selStart, 1u);
    EXPECT_EQ(s.sink.messages.size(), 0u);
}

TEST(FindUpper, LettersOfEveryScriptInTheCodePage) {
    EXPECT_EQ(FindUpper(U'g'), U'G');
    EXPECT_EQ(FindUpper(U'ｇ'), U'Ｇ');
    EXPECT_EQ(FindUpper(U'α'), U'Α');
    EXPECT_EQ(FindUpper(U'ж'), U'Ж');
    EXPECT_EQ(FindUpper(U'ё'), U'Ё');
    EXPECT_EQ(FindUpper(U'穴'), U'穴');
    EXPECT_EQ(FindUpper(U'1'), U'1');
    EXPECT_EQ(FindUpper(U'÷'), U'÷');
}

TEST(FindNext, LongSearchTextIsShortenedInTheMessage) {
    const std::u32string longKey = std::u32string(39, U'X') + U"穴" + U"Y";
    Search s(U"G01 X1.", 0, longKey, kFindDown);
    s.step();
    ASSERT_EQ(s.sink.messages.size(), 1u);
    EXPECT_EQ(s.sink.messages[0], "文字列 \"" + std::string(39, 'X') + "穴…\" が見つかりません。");
    EXPECT_EQ(s.state.text, longKey) << "only the message is shortened";

    const std::u32string forty(40, U'x');
    EXPECT_EQ(FindNotFoundMessage(forty), "文字列 \"" + std::string(40, 'x') + "\" が見つかりません。");
}

// A long key that almost matches long lines everywhere: both directions find
// the one real occurrence, however far from the caret.
TEST(FindNext, LongAlmostMatchingKeyIsFoundInBothDirections) {
    const std::u32string line = std::u32string(3000, U'X') + U"\r\n";
    std::u32string text;
    for (int i = 0; i < 20; ++i) text += line;
    const std::u32string key = std::u32string(2000, U'X') + U"y";
    const std::size_t at = 10 * line.size() + 500;
    text.replace(at + 2000, 1, U"Y");

    Search down(text, 0, key, kFindDown);
    down.step();
    EXPECT_EQ(down.editor.selStart, at);
    EXPECT_EQ(down.editor.selLength, key.size());

    Search up(text, text.size(), key, kFindUp);
    up.step();
    EXPECT_EQ(up.editor.selStart, at);
    up.step();
    EXPECT_EQ(up.sink.messages.size(), 1u);
}

// An upward match may reach past the caret; only its beginning is bounded.
TEST(FindNext, UpwardMatchMayEndAfterTheCaret) {
    Search s(U"abcabc", 2, U"abca", kFindUp);
    s.step();
    EXPECT_EQ(s.editor.selStart, 0u);
    EXPECT_EQ(s.editor.selLength, 4u);
    EXPECT_TRUE(s.sink.messages.empty());
}
