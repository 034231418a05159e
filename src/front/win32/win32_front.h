#pragma once
// The Windows front: every interface of src/platform/ on the Windows API
// alone.
//
//   Files, TextFiles        Win32Files (win32_files.h); Journal:
//                           Win32Journal, made by Win32Files::StartJournal
//   Drives                  Win32Drives (win32_drives.h)
//   TreeSearch              Win32TreeSearch (tree_search.h)
//   MoverWindow             Win32MoverWindow (mover_window.h)
//   FileList                Win32FileList (win32_file_list.h)
//   MoverCanvas,
//   MoverPictures,
//   CanvasPicture           Win32Canvas, Win32MoverPictures, Win32Picture
//                           (win32_canvas.h)
//   RegionOps               Win32RegionOps (win32_region_ops.h)
//   SplashWindow            Win32SplashWindow (splash_window.h)
//   MainFrame               Win32MainFrame (main_frame.h)
//   Screen, Pointer,
//   Application,
//   MessageBoxes, Shell     Win32Screen, Win32Pointer, Win32Application,
//                           Win32MessageBoxes, Win32Shell
//                           (win32_process_services.h)
//   RunningCopy             Win32RunningCopy (win32_running_copy.h); the
//                           files it hands over: opened_files.h
//   DropReader              Win32DropReader (win32_drop_reader.h)
//   GameFolderChooser       Win32GameFolderChooser
//                           (win32_game_folder_chooser.h)
//
// The map window's lists follow their folders through Win32FolderWatch
// (folder_watch.h), which the window asks from a timer.
//
// Win32Program (win32_program.h) puts them together and runs the start-up.

#include "front/win32/main_frame.h"
#include "front/win32/mover_window.h"
#include "front/win32/splash_window.h"
#include "front/win32/tree_search.h"
#include "front/win32/win32_canvas.h"
#include "front/win32/win32_drives.h"
#include "front/win32/win32_file_list.h"
#include "front/win32/win32_files.h"
#include "front/win32/win32_game_folder_chooser.h"
#include "front/win32/win32_process_services.h"
#include "front/win32/win32_program.h"
#include "front/win32/win32_region_ops.h"
#include "front/win32/win32_running_copy.h"
