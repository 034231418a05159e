#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string_view>

namespace tessary {

// A picture built into the program (":/assets/NAME"), or, given a part, only
// its top-left part of that size (less where the picture is smaller). The
// program's own artwork is stored uncompressed and read straight from
// memory; anything else goes through Qt's image readers.
QPixmap AssetPicture(const QString& name, QSize part = {});

// The top-left part (at most `part`; all of it when `part` is empty) of a
// bottom-up, uncompressed BMP picture of 4, 8 or 24 bits a pixel, the forms
// the program's artwork takes, as opaque RGB32; a null image for any other
// form or a file cut short.
QImage ReadArtworkBmp(const uchar* data, qint64 size, QSize part = {});

// A fixed name or text of the program's layout tables.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program icon, shared by every window.
QIcon ProgramIcon();

}  // namespace tessary
