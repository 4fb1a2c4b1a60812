#pragma once

#include <string>

#include "base/message_sink.h"

namespace orca {

// Messages of the headless commands: one line each on standard error,
// where the window would show a message box.
class StderrMessageSink : public MessageSink {
public:
    void showMessage(const std::string& text) override;
};

}  // namespace orca
