#include "document/qt/clipboard_commands.h"

#include <QClipboard>
#include <QGuiApplication>

#include "document/qt/editor_pane.h"

namespace orca {

void ClipCopy_Sub(EditorPane& editor) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(editor.selectedProgramText()));
}

void ClipCut_Sub(EditorPane& editor) {
    ClipCopy_Sub(editor);
    editor.replaceSelection("");
}

void ClipPaste_Sub(EditorPane& editor) {
    QString text = QGuiApplication::clipboard()->text();
    text.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
    editor.replaceSelection(text.toStdString());
}

}  // namespace orca
