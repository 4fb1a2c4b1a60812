#include <QFontInfo>
#include <QLabel>

#include "app/qt/about_box.h"
#include "app/qt/form1.h"
#include "document/qt/clipboard_commands.h"
#include "document/qt/editor_pane.h"
#include "document/qt/user_dialogs.h"
#include "nc/number_rule.h"
#include "nc/route_driver.h"

namespace orca {

void Form1::mnuEditCut_Click() {
    if (!refusedDuringLoad([this] { mnuEditCut_Click(); })) ClipCut_Sub(*richCode_);
}

void Form1::mnuEditCopy_Click() { ClipCopy_Sub(*richCode_); }

void Form1::mnuEditPaste_Click() {
    if (!refusedDuringLoad([this] { mnuEditPaste_Click(); })) ClipPaste_Sub(*richCode_);
}

void Form1::mnuEditDelete_Click() {
    if (refusedDuringLoad([this] { mnuEditDelete_Click(); })) return;
    richCode_->setFocus();
    richCode_->deleteForward();
}

void Form1::lineDspToStatusBar_Sub() {
    setStatusText(CaretLineStatusText(richCode_->caretLine()));
    showReading();
}

void Form1::showReading() {
    const bool shown = engine_.settings.StandardReading && !richCode_->empty();
    stsReading_->setText(shown ? QString::fromUtf8(kStandardReadingMark) : QString());
}

void Form1::mnuFont_Click() {
    // A stored face name may stand for another installed face ("MS ゴシック"
    // shows in IPAGothic). The dialog can only offer installed faces, so it
    // starts on the one shown; choosing that face again keeps the stored name.
    QFont preset = richCode_->paneFont();
    const QString shownFamily = QFontInfo(preset).family();
    preset.setFamily(shownFamily);
    const std::optional<QFont> chosen = dialogs_.chooseFont(preset);
    if (!chosen) return;
    QFont font = richCode_->paneFont();
    if (chosen->family() != shownFamily) font.setFamily(chosen->family());
    if (chosen->pointSizeF() > 0) font.setPointSizeF(chosen->pointSizeF());
    font.setBold(chosen->bold());
    font.setItalic(chosen->italic());
    richCode_->setPaneFont(font);

    const QFont& taken = richCode_->paneFont();
    EditorFontSetting stored;
    stored.name = taken.family().toStdString();
    short size = stored.size;
    if (ToInt16(taken.pointSizeF(), size)) stored.size = size;
    stored.bold = taken.bold();
    stored.italic = taken.italic();
    FontWrite_Sub(settings_, stored);
}

void Form1::mnuHelpVer_Click() {
    AboutBox about(dialogs_, this);
    dialogs_.runModal(about);
}

}  // namespace orca
