#pragma once
// The way out of "Game not found" on Windows: a message box that offers to
// choose the game's folder, and the folder dialog.

#include "platform/game_folder_chooser.h"

namespace tessary {

// The question is MessageBoxW with OK (the default) and Cancel (also
// Escape); the folder dialog is the system's file dialog picking folders
// (IFileDialog with FOS_PICKFOLDERS).
class Win32GameFolderChooser final : public GameFolderChooser {
public:
    bool AskToChoose(const std::string& text, const std::string& caption) override;
    std::string ChooseFolder(const std::string& title) override;
};

}  // namespace tessary
