#pragma once
// The POSIX front: the services of src/platform/ that Linux gives without a
// window system. The Qt front builds its program on these.
//
//   Files, TextFiles  PosixFiles (posix_files.h), and GioTrashFiles
//                     (gio_trash_files.h), which sends replaced maps to the
//                     desktop trash; Journal: PosixJournal, made by
//                     PosixFiles::StartJournal
//   Drives            WineDrives (wine_drives.h): one Wine prefix's drives;
//                     LauncherDrives (launcher_drives.h): the drives of every
//                     prefix the game launchers know of
//   TreeSearch        PosixTreeSearch (tree_search.h)
//   ListedFiles       PosixFileList (posix_file_list.h): a list's folder read
//                     with the POSIX listing, shown by the Qt list control
//   DropReader        PosixDropReader (posix_drop_reader.h): dropped files,
//                     folders and archives, 7z ones through libarchive
//                     (seven_zip_reader.h)

#include "front/posix/gio_trash_files.h"
#include "front/posix/launcher_drives.h"
#include "front/posix/posix_file_list.h"
#include "front/posix/posix_drop_reader.h"
#include "front/posix/posix_files.h"
#include "front/posix/tree_search.h"
#include "front/posix/wine_drives.h"
