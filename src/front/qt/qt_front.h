#pragma once
// The Qt front: the windows, controls and desktop services of src/platform/
// on Qt 6 Widgets. Files, drives and the game search come from the POSIX
// front (front/posix/posix_front.h).
//
//   MoverWindow             QtMoverWindow (mover_window.h)
//   FileList                QtFileList (qt_file_list.h)
//   MoverCanvas,
//   MoverPictures,
//   CanvasPicture           QtCanvas, QtMoverPictures, QtPicture (qt_canvas.h)
//   RegionOps               QtRegionOps (qt_region_ops.h)
//   SplashWindow            QtSplashWindow (splash_window.h)
//   MainFrame               QtMainFrame (main_frame.h)
//   Screen, Pointer,
//   Application,
//   MessageBoxes, Shell     QtScreen, QtPointer, QtApplication,
//                           QtMessageBoxes, QtShell (qt_process_services.h)
//   RunningCopy             QtRunningCopy (qt_running_copy.h)
//   GameFolderChooser       QtGameFolderChooser (qt_game_folder_chooser.h)
//
// The map window's lists follow their folders through QtFolderWatch
// (qt_folder_watch.h).
//
// QtProgram (qt_program.h) puts them together and runs the start-up.

#include "front/posix/posix_front.h"
#include "front/qt/main_frame.h"
#include "front/qt/mover_window.h"
#include "front/qt/qt_canvas.h"
#include "front/qt/qt_file_list.h"
#include "front/qt/qt_game_folder_chooser.h"
#include "front/qt/qt_process_services.h"
#include "front/qt/qt_program.h"
#include "front/qt/qt_region_ops.h"
#include "front/qt/qt_running_copy.h"
#include "front/qt/splash_window.h"
