#include "platform/qt/qt_trash_files.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include "platform/failure.h"

namespace tessary {

std::string QtTrashFiles::MoveToTrash(const std::string& path) {
    if (!inner_.FileExists(path)) {
        throw RuntimeFailure(kFileNotFound, "Cannot move \"" + path + "\" to the trash: file not found");
    }
    // Paths are the file system's own bytes.
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    QString inTrash;
    if (!QFile::moveToTrash(name, &inTrash)) {
        throw RuntimeFailure(kPathFileAccessError, "Cannot move \"" + path + "\" to the trash");
    }
    return QFile::encodeName(inTrash).toStdString();
}

}  // namespace tessary
