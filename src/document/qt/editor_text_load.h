#pragma once

#include <cstddef>
#include <string_view>

namespace orca {

class EditorPane;

// A text for the editor pane built apart from it, so that a big program's
// text can be put together on a worker thread while the window goes on, and
// then shown at once without passing through the pane a second time.
// Created and shown (or dropped) on the window's thread; filled on any one
// thread in between.
class EditorTextLoad {
public:
    // `expectedBytes` is room made at once (the text may grow past it).
    EditorTextLoad(const EditorPane& pane, std::size_t expectedBytes)
        : pane_(pane), expectedBytes_(expectedBytes) {}
    ~EditorTextLoad();
    EditorTextLoad(const EditorTextLoad&) = delete;
    EditorTextLoad& operator=(const EditorTextLoad&) = delete;

    // A better guess of the room to make, given before the first piece.
    void expect(std::size_t bytes) { expectedBytes_ = bytes; }
    void append(std::string_view piece);
    // The memory ran out while the text was being built: it is incomplete.
    bool failed() const { return failed_; }

private:
    friend class EditorPane;
    // The finished text as a document of the pane's, for the pane to take.
    void* takeDocument();

    class Loader;
    // Made by the first piece, on the thread that builds the text: making it
    // takes the room for the whole text, as long as filling it does.
    void startLoader();

    const EditorPane& pane_;
    std::size_t expectedBytes_;
    Loader* loader_ = nullptr;
    bool failed_ = false;
};

}  // namespace orca
