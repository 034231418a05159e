// The map window's files with Qt's desktop trash, in a trash of the test's own.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_trash_files.h"

namespace tessary {
namespace {

std::string ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

TEST(QtTrashFilesTest, TrashesAFileAndSaysWhereItWent) {
    QTemporaryDir top;
    ASSERT_TRUE(top.isValid());
    const bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(top.filePath("data")));
    QDir(top.path()).mkpath("data");
    QDir(top.path()).mkpath("maps");
    const QString map = top.filePath("maps/Lake.gmx");
    {
        QFile file(map);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old map");
    }
    PosixFiles posix;
    QtTrashFiles files(posix);
    const std::string inTrash = files.MoveToTrash(QFile::encodeName(map).toStdString());
    EXPECT_FALSE(QFile::exists(map));
    EXPECT_EQ(ReadAll(QString::fromStdString(inTrash)), "old map");
    EXPECT_TRUE(QString::fromStdString(inTrash).startsWith(top.filePath("data/Trash/files/")));

    // Moving it back is an ordinary move; a missing file cannot be trashed.
    files.Move(inTrash, QFile::encodeName(map).toStdString());
    EXPECT_EQ(ReadAll(map), "old map");
    EXPECT_THROW(files.MoveToTrash(QFile::encodeName(top.filePath("maps/none.gmx")).toStdString()),
                 RuntimeFailure);
    if (hadDataHome) {
        qputenv("XDG_DATA_HOME", oldDataHome);
    } else {
        qunsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
}  // namespace tessary
