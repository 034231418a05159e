// The map window's files with the desktop trash, in a trash of the test's own.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "front/posix/gio_trash_files.h"
#include "front/posix/posix_files.h"
#include "support/temp_folder.h"

namespace tessary {
namespace {

using testing::ReadAll;
using testing::TempFolder;

// The trash takes the file named by the path's own bytes, never the
// neighbour whose name decodes alike; putting it back clears its record;
// and a trash that cannot be made fails without writing anywhere.
TEST(GioTrashFilesTest, TrashesExactlyTheNamedFileAndFailsHonestly) {
    TempFolder top;
    // Read once per process by the trash, so set before its first use.
    ::setenv("XDG_DATA_HOME", (top / "data").c_str(), 1);
    top.Folder("data");
    const std::string odd = top.Write("maps/bad\xff.gmx", "precious");
    const std::string neighbour = top.Write("maps/bad\xef\xbf\xbd.gmx", "neighbour");
    PosixFiles posix;
    GioTrashFiles files(posix);

    const std::string inTrash = files.MoveToTrash(odd);
    EXPECT_FALSE(std::filesystem::exists(odd));
    EXPECT_EQ(ReadAll(neighbour), "neighbour");
    EXPECT_EQ(ReadAll(inTrash), "precious");
    EXPECT_EQ(inTrash.rfind(top / "data/Trash/files/", 0), 0u) << inTrash;
    const std::string info = top / "data/Trash/info/" + inTrash.substr(inTrash.rfind('/') + 1) + ".trashinfo";
    EXPECT_TRUE(std::filesystem::exists(info));

    files.RestoreFromTrash(inTrash, odd);
    EXPECT_EQ(ReadAll(odd), "precious");
    EXPECT_FALSE(std::filesystem::exists(info));
    EXPECT_THROW(files.MoveToTrash(top / "maps/none.gmx"), RuntimeFailure);

    // No trash can be made: a failure, and nothing in the working folder.
    std::filesystem::remove_all(top / "data/Trash");
    top.Write("data/Trash", "a file, not a folder");
    const std::string work = top.Folder("work");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(work);
    EXPECT_THROW(files.MoveToTrash(odd), RuntimeFailure);
    std::filesystem::current_path(old);
    EXPECT_EQ(ReadAll(odd), "precious");
    EXPECT_TRUE(std::filesystem::is_empty(work));
}

}  // namespace
}  // namespace tessary
