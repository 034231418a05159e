#pragma once
#include <string>

namespace tessary {

// Modal message boxes with no icon; each call returns when the user
// dismisses the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A single OK button.
    virtual void ShowOk(const std::string& text, const std::string& caption) = 0;
    // OK and Cancel: true for OK (the default button, taken by Enter); false
    // for Cancel, Escape or the box closed.
    virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tessary
