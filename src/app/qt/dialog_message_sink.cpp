#include "app/qt/dialog_message_sink.h"

#include "app/qt/user_dialogs.h"

namespace orca {

void DialogMessageSink::showMessage(const std::string& text) {
    dialogs_.message(text, text == kCalcErrorMessage ? MsgIcon::None : MsgIcon::Exclamation, MsgButtons::Ok);
}

}  // namespace orca
