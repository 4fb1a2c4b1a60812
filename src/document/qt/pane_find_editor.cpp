#include "document/qt/pane_find_editor.h"

#include <QString>

#include "document/qt/editor_pane.h"

namespace orca {
namespace {

std::u32string Characters(const std::string& utf8) { return QString::fromStdString(utf8).toStdU32String(); }

}  // namespace

std::u32string PaneFindEditor::Text() const { return Characters(pane_.programText()); }

std::u32string PaneFindEditor::SelText() const { return Characters(pane_.selectedProgramText()); }

std::size_t PaneFindEditor::SelStart() const { return static_cast<std::size_t>(pane_.selectionStart()); }

void PaneFindEditor::Select(std::size_t start, std::size_t length) {
    pane_.setSelectionStart(static_cast<std::int64_t>(start));
    pane_.setSelectionLength(static_cast<std::int64_t>(length));
}

}  // namespace orca
