#include "app/qt/dialog_message_sink.h"

#include "document/qt/user_dialogs.h"
#include "nc/arc_words.h"

namespace orca {

void DialogMessageSink::showMessage(const std::string& text) {
    dialogs_.message(text, text == kCalcErrorMessage ? MsgIcon::None : MsgIcon::Exclamation, MsgButtons::Ok);
}

}  // namespace orca
