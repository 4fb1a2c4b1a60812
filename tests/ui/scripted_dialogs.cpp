#include "scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace orca::test {

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " answers were not asked for";
}

void ScriptedDialogs::answer(Answer a) { answers_.push_back(std::move(a)); }

std::vector<std::string> ScriptedDialogs::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages_) texts.push_back(m.text);
    return texts;
}

template <typename T>
std::optional<T> ScriptedDialogs::next(const char* what) {
    if (answers_.empty() || !std::holds_alternative<T>(answers_.front())) {
        ADD_FAILURE() << "unexpected " << what;
        return std::nullopt;
    }
    T a = std::get<T>(std::move(answers_.front()));
    answers_.pop_front();
    return a;
}

MsgAnswer ScriptedDialogs::message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                   const std::string& title) {
    messages_.push_back({text, icon, buttons, title});
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return next<MsgAnswer>(("question: " + text).c_str()).value_or(MsgAnswer::Cancel);
}

std::vector<std::string> ScriptedDialogs::openFiles(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    return next<std::vector<std::string>>("open dialog").value_or(std::vector<std::string>{});
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    fileRequests_.push_back(request);
    return next<std::optional<std::string>>("save dialog").value_or(std::nullopt);
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont& initial) {
    fontPresets_.push_back(initial);
    return next<std::optional<QFont>>("font dialog").value_or(std::nullopt);
}

int ScriptedDialogs::runModal(QDialog& dialog) {
    const auto script = next<ModalScript>("modal dialog");
    return script ? (*script)(dialog) : QDialog::Rejected;
}

}  // namespace orca::test
