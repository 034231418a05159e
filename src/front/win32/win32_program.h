#pragma once
// The whole program on the Windows front: the platform services, the
// location cache, the start sequence and the windows, wired together.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "front/win32/main_frame.h"
#include "front/win32/mover_window.h"
#include "front/win32/splash_window.h"
#include "front/win32/tree_search.h"
#include "front/win32/win32_drives.h"
#include "front/win32/win32_files.h"
#include "front/win32/win32_game_folder_chooser.h"
#include "front/win32/win32_process_services.h"
#include "startup/location_cache.h"
#include "startup/start_sequence.h"

namespace tessary {

class Win32Program {
public:
    // openedFiles: the files the program was started with (full paths),
    // added as dropped on the game's maps folder once the map window is up.
    explicit Win32Program(std::vector<std::string> openedFiles = {});

    // Runs the start-up sequence, then the message loop; returns the exit code.
    int Run();

private:
    // The main frame's load step: it loads and shows the map window "Mover"
    // in front of the frame.
    void LoadMover(HWND frame, HWND client);

    Win32Screen screen_;
    Win32Pointer pointer_;
    Win32Application application_;
    Win32MessageBoxes messages_;
    Win32GameFolderChooser folderChooser_;
    Win32Files files_;
    Win32Drives drives_;
    Win32TreeSearch treeSearch_;
    Win32SplashWindow splash_;
    Win32MainFrame mainFrame_;
    Win32Shell shell_;
    LocationCache locationCache_{application_, files_, files_};
    StartSequence start_;
    std::unique_ptr<Win32MoverWindow> mover_;
    std::vector<std::string> openedFiles_;
};

}  // namespace tessary
