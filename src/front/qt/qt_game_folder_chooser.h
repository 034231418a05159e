#pragma once
// The way out of "Game not found" on Qt: a message box that offers to choose
// the game's folder, and the folder dialog.

#include "platform/game_folder_chooser.h"

namespace tessary {

// The question is a QMessageBox with "Choose Folder..." (the default) and
// Cancel (also Escape); the folder dialog is QFileDialog's, showing folders
// only, starting in the home folder.
class QtGameFolderChooser final : public GameFolderChooser {
public:
    bool AskToChoose(const std::string& text, const std::string& caption) override;
    std::string ChooseFolder(const std::string& title) override;
};

}  // namespace tessary
