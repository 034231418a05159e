#pragma once
// The whole program on the Qt front: the platform services, the location
// cache, the start sequence and the three windows, wired together.

#include <QPointer>

#include <thread>

#include "front/posix/gio_trash_files.h"
#include "front/posix/launcher_drives.h"
#include "front/posix/posix_drop_reader.h"
#include "front/posix/posix_files.h"
#include "front/posix/tree_search.h"
#include "front/qt/main_frame.h"
#include "front/qt/qt_game_folder_chooser.h"
#include "front/qt/qt_process_services.h"
#include "front/qt/splash_window.h"
#include "startup/location_cache.h"
#include "startup/start_sequence.h"

class QWidget;

namespace tessary {

class QtMoverWindow;

class QtProgram {
public:
    // openedFiles (full paths) are added to the game's maps folder as a drop
    // once the map window is up.
    explicit QtProgram(std::vector<std::string> openedFiles = {});
    ~QtProgram();

    // Runs the start-up sequence, then the event loop; returns the exit code.
    int Run();
    // Restores the main frame if it is minimised and brings it and its map
    // window to the front, the map window active; the files (full paths)
    // are then added to the game's maps folder as a drop, from the event
    // loop. False (and nothing done) before the map window is loaded or
    // after a failed start-up.
    bool BringToFront(const std::vector<std::string>& files = {});

private:
    void LoadMover(QWidget& frame);

    // Read while the windows are made; ended before anything else goes.
    std::jthread fontList_;

    QtScreen screen_;
    // Where top-level windows cannot be placed, the map window lives in the
    // frame's client area and is centred there.
    QtInsideOfWindow frameInside_;
    QtPointer pointer_;
    QtApplication application_;
    QtMessageBoxes messages_;
    QtGameFolderChooser folderChooser_;
    PosixFiles files_;
    // The map window's files: a file a transfer replaces goes to the trash.
    GioTrashFiles moverFiles_{files_};
    LauncherDrives drives_;
    // What is dropped on the map window or opened with the program.
    PosixDropReader dropReader_;
    std::vector<std::string> openedFiles_;
    // The drives of several prefixes often lead to the same folders.
    PosixTreeSearch treeSearch_{/*walkEachFolderOnce=*/true};
    QtSplashWindow splash_;
    QtMainFrame mainFrame_;
    QtShell shell_;
    LocationCache locationCache_{application_, files_, files_};
    StartSequence start_;
    // Owned by the frame window, its Qt parent; null until loaded.
    QPointer<QtMoverWindow> mover_;
};

}  // namespace tessary
