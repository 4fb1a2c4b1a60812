#include "document/qt/find_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/qt/user_dialogs.h"

namespace orca {
namespace {

template <typename W>
W* named(W* widget, const char* name, const char* tip = nullptr) {
    widget->setObjectName(name);
    if (tip) widget->setToolTip(tip);
    return widget;
}

}  // namespace

FindDialog::FindDialog(FindState& state, FindEditor& editor, MessageSink& messages, QWidget* parent)
    : QDialog(parent),
      state_(state),
      editor_(editor),
      messages_(messages),
      txtFind_(named(new QLineEdit, "txtFind", "検索する文字列を入力します")),
      chkCase_(named(new QCheckBox("大文字と小文字を区別する(&C)"), "chkCase", "大文字と小文字を区別します")),
      optDirection_{named(new QRadioButton("上方向(&U)"), "optDirection0", "文書の先頭方向に検索します"),
                    named(new QRadioButton("下方向(&D)"), "optDirection1", "文書の末尾方向に検索します")},
      cmdFind_(named(new QPushButton("検索(&F)"), "cmdFind", "検索を開始します")),
      cmdcancel_(named(new QPushButton("ｷｬﾝｾﾙ"), "cmdcancel")) {
    setObjectName("frmFind");
    setWindowTitle("文字列の検索");
    setModal(true);

    auto* label = new QLabel("検索する文字列(&N):");
    label->setBuddy(txtFind_);
    auto* text = new QHBoxLayout;
    text->addWidget(label);
    text->addWidget(txtFind_);

    auto* options = new QHBoxLayout;
    options->addWidget(chkCase_);
    options->addWidget(directionGroup());

    auto* left = new QVBoxLayout;
    left->addLayout(text);
    left->addLayout(options);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdFind_);
    buttons->addWidget(cmdcancel_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);
    cmdFind_->setDefault(true);

    connect(txtFind_, &QLineEdit::textChanged, this, [this](const QString& t) {
        state_.textChanged = true;
        cmdFind_->setEnabled(!t.isEmpty());
    });
    connect(chkCase_, &QCheckBox::toggled, this, [this](bool on) { state_.matchCase = on ? 1 : 0; });
    for (std::size_t i = 0; i < optDirection_.size(); ++i) {
        connect(optDirection_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) state_.direction = static_cast<std::int16_t>(i);
        });
    }
    connect(cmdFind_, &QPushButton::clicked, this, &FindDialog::cmdFind_Click);
    connect(cmdcancel_, &QPushButton::clicked, this, &FindDialog::cmdcancel_Click);

    cmdFind_->setEnabled(false);
    optDirection_[state_.direction == kFindDown ? 1 : 0]->setChecked(true);
}

QWidget* FindDialog::directionGroup() {
    auto* group = new QGroupBox("検索方向");
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(optDirection_[0]);
    layout->addWidget(optDirection_[1]);
    return group;
}

void FindDialog::keyPressEvent(QKeyEvent* e) {
    // Esc is the cancel button, which keeps the search text; the close box does not.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdcancel_->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void FindDialog::cmdFind_Click() {
    state_.text = txtFind_->text().toStdU32String();
    FindNext_Sub(state_, editor_, messages_);
}

void FindDialog::cmdcancel_Click() {
    state_.text = txtFind_->text().toStdU32String();
    state_.matchCase = chkCase_->isChecked() ? 1 : 0;
    reject();
}

void ShowFindDialog(FindState& state, FindEditor& editor, MessageSink& messages, UserDialogs& dialogs,
                    QWidget* parent) {
    FindDialog dialog(state, editor, messages, parent);
    const std::u32string selected = editor.SelText();
    dialog.txtFind()->setText(QString::fromStdU32String(selected.empty() ? state.text : selected));
    state.textChanged = true;
    if (state.matchCase != 0) dialog.chkCase()->setChecked(true);
    dialogs.runModal(dialog);
}

void FindNextCommand(FindState& state, FindEditor& editor, MessageSink& messages, UserDialogs& dialogs,
                     QWidget* parent) {
    if (state.text.empty()) {
        ShowFindDialog(state, editor, messages, dialogs, parent);
    } else {
        FindNext_Sub(state, editor, messages);
    }
}

}  // namespace orca
