#pragma once

#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "document/qt/user_dialogs.h"

namespace orca::test {

// Answers the program's questions and dialogs in the order a test scripted
// them, and records every one. A question nobody scripted fails the test and
// is answered Cancel, so no test ever blocks on a dialog.
class ScriptedDialogs : public UserDialogs {
public:
    struct Message {
        std::string text;
        MsgIcon icon;
        MsgButtons buttons;
        std::string title;
    };
    using ModalScript = std::function<int(QDialog&)>;
    using Answer = std::variant<MsgAnswer, std::vector<std::string>, std::optional<std::string>,
                                std::optional<QFont>, ModalScript>;

    ~ScriptedDialogs() override;

    void answer(Answer a);
    bool allAnswered() const { return answers_.empty(); }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<QFont>& fontPresets() const { return fontPresets_; }
    std::vector<std::string> messageTexts() const;

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons,
                      const std::string& title = kAppTitle) override;
    std::vector<std::string> openFiles(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    int runModal(QDialog& dialog) override;

private:
    template <typename T>
    std::optional<T> next(const char* what);

    std::deque<Answer> answers_;
    std::vector<Message> messages_;
    std::vector<FileDialogRequest> fileRequests_;
    std::vector<QFont> fontPresets_;
};

}  // namespace orca::test
