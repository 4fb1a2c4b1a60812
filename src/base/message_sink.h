#pragma once

#include <string>

namespace orca {

// Where the interpreter's messages go (a message box in the program, one line
// on standard error in the headless commands, a list in tests).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace orca
