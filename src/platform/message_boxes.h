#pragma once
#include <string>

namespace tessary {

// Modal message boxes. The program always asks for a single OK button and no
// icon; the call returns when the user dismisses the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void ShowOk(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tessary
