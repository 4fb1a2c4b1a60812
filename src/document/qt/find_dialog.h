#pragma once

#include <QDialog>
#include <array>

#include "document/find.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orca {

class MessageSink;
class UserDialogs;

// frmFind "文字列の検索". Each click on "検索(&F)" runs one search step and
// the dialog stays open; "ｷｬﾝｾﾙ" (or Esc) keeps the text and the case choice,
// the close box keeps nothing more.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    FindDialog(FindState& state, FindEditor& editor, MessageSink& messages, QWidget* parent = nullptr);

    QLineEdit* txtFind() const { return txtFind_; }
    QCheckBox* chkCase() const { return chkCase_; }
    QRadioButton* optDirection(int index) const { return optDirection_[static_cast<std::size_t>(index)]; }
    QPushButton* cmdFind() const { return cmdFind_; }
    QPushButton* cmdcancel() const { return cmdcancel_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QWidget* directionGroup();
    void cmdFind_Click();
    void cmdcancel_Click();

    FindState& state_;
    FindEditor& editor_;
    MessageSink& messages_;

    QLineEdit* txtFind_;
    QCheckBox* chkCase_;
    std::array<QRadioButton*, 2> optDirection_;
    QPushButton* cmdFind_;
    QPushButton* cmdcancel_;
};

// mnuSearchFind_Click: the dialog, filled with the editor's selection or the
// last search text, shown modally.
void ShowFindDialog(FindState& state, FindEditor& editor, MessageSink& messages, UserDialogs& dialogs,
                    QWidget* parent);

// mnuSearchFindNext_Click: the dialog before any search text, else one step.
void FindNextCommand(FindState& state, FindEditor& editor, MessageSink& messages, UserDialogs& dialogs,
                     QWidget* parent);

}  // namespace orca
