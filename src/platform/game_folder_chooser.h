#pragma once
#include <string>

namespace tessary {

// The player's way out when the game cannot be found: a question, then the
// platform's own folder dialog.
class GameFolderChooser {
public:
    virtual ~GameFolderChooser() = default;
    // A modal box with the text and caption and two answers: go on and
    // choose the folder (the default, also Enter) or cancel (also Escape and
    // closing the box). True for the first.
    virtual bool AskToChoose(const std::string& text, const std::string& caption) = 0;
    // The platform's dialog for choosing a folder, with this title: the
    // chosen folder's full path, or "" when the player cancels.
    virtual std::string ChooseFolder(const std::string& title) = 0;
};

}  // namespace tessary
