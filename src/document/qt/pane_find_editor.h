#pragma once

#include "document/find.h"

namespace orca {

class EditorPane;

// The editor pane as the search sees it.
class PaneFindEditor : public FindEditor {
public:
    explicit PaneFindEditor(EditorPane& pane) : pane_(pane) {}

    std::u32string Text() const override;
    std::u32string SelText() const override;
    std::size_t SelStart() const override;
    void Select(std::size_t start, std::size_t length) override;

private:
    EditorPane& pane_;
};

}  // namespace orca
