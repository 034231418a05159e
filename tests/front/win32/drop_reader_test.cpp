// Reading dropped files on a real (Wine) file system: read only, and held
// against changes by other programs. (Wine 8 makes no symbolic link or
// junction: CreateSymbolicLinkW does nothing, FSCTL_SET_REPARSE_POINT is not
// supported, and Unix links look like what they lead to.)
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "front/win32/long_path.h"
#include "front/win32/win32_drop_reader.h"
#include "platform/failure.h"
#include "support/win_temp_folder.h"

namespace tessary {
namespace {

using testing::WinTempFolder;

class Win32DropReaderTest : public ::testing::Test {
protected:
    WinTempFolder folder;
    Win32DropReader reader;
};

TEST_F(Win32DropReaderTest, ReadsAFileThatNoOtherProgramMayChangeWhileOpen) {
    const std::string map = folder.Write("Lake.gmx", "lake map bytes");
    ASSERT_EQ(reader.KindOf(map), PathKind::File);
    EXPECT_EQ(reader.KindOf(folder.Path()), PathKind::Folder);
    EXPECT_EQ(reader.KindOf(folder / "Gone.gmx"), PathKind::Missing);
    // A device is never opened.
    EXPECT_EQ(reader.KindOf("\\\\.\\NUL"), PathKind::Other);
    EXPECT_THROW(reader.Open("\\\\.\\NUL"), IntakeRefused);
    EXPECT_THROW(reader.Open("\\\\?\\GLOBALROOT\\Device\\Null"), IntakeRefused);
    EXPECT_EQ(reader.SizeOf(map), 14u);

    const auto bytes = reader.Open(map);
    ASSERT_EQ(bytes->Size(), 14u);
    char part[3] = {};
    bytes->ReadAt(5, part, 3);
    EXPECT_EQ(std::string(part, 3), "map");
    EXPECT_THROW(bytes->ReadAt(12, part, 3), IntakeRefused);
    // Another program can neither write to it nor move it meanwhile.
    const HANDLE writer = CreateFileW(LongPath(map).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    EXPECT_FALSE(MoveFileW(LongPath(map).c_str(), LongPath(folder / "Moved.gmx").c_str()));
}

TEST_F(Win32DropReaderTest, RefusesAFileAnotherProgramIsStillWriting) {
    const std::string download = folder.Write("Lake.zip", "PK");
    const HANDLE writer = CreateFileW(LongPath(download).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_THROW(reader.Open(download), IntakeRefused);
    CloseHandle(writer);
    EXPECT_EQ(reader.Open(download)->Size(), 2u);
}

// A Unix pipe that prefix_test.sh makes: no program writes to it, so
// opening it for reading the POSIX way would wait for ever.
TEST_F(Win32DropReaderTest, PreparedPipeIsNeitherAFileNorOpened) {
    const char* pipe = std::getenv("TESSARY_PIPE");
    ASSERT_NE(pipe, nullptr);
    EXPECT_EQ(reader.KindOf(pipe), PathKind::Other);
    EXPECT_THROW(reader.Open(pipe), IntakeRefused);
}

}  // namespace
}  // namespace tessary
