#pragma once

#include "base/message_sink.h"

namespace orca {

class UserDialogs;

// The interpreter's and the loader's messages as message boxes: the
// calculation error plain, everything else (failures to open a file) with
// the exclamation icon.
class DialogMessageSink : public MessageSink {
public:
    explicit DialogMessageSink(UserDialogs& dialogs) : dialogs_(dialogs) {}
    void showMessage(const std::string& text) override;

private:
    UserDialogs& dialogs_;
};

}  // namespace orca
