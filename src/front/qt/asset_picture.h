#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <string_view>

class QPainter;

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
// The same for any part of the picture (cut to the picture); a null image
// when nothing of the part lies on it.
QImage ReadArtworkBmp(const uchar* data, qint64 size, const QRect& part);

// The same picture as the image the painter draws straight onto a window.
// Once a picture is read (by either), its stored bytes are given back to
// the system.
QImage AssetImage(const QString& name, QSize part = {});

// The size of a built-in picture, read from its header alone; an empty size
// when the program has no picture of that name.
QSize AssetPictureSize(const QString& name);

// A built-in picture drawn straight from the program's stored bytes, a band
// of rows at a time: nothing of it is kept in memory between paints. Where
// the picture is not stored in the program's own plain form, it is read
// whole once and kept.
class StoredPicture {
public:
    explicit StoredPicture(const QString& name);
    QSize Size() const { return size_; }
    // Whether Draw paints every pixel of the picture's size (an opaque
    // picture that can be read), reading it first where it is not drawn
    // from its stored bytes.
    bool DrawsWhole() const;
    // Draws the part of the picture inside `area`, the picture's top-left
    // corner at the painter's origin.
    void Draw(QPainter& painter, const QRegion& area) const;

private:
    QString name_;
    const uchar* data_ = nullptr;  // the plain bitmap's bytes, or null
    qint64 bytes_ = 0;
    QSize size_;
    mutable QPixmap whole_;  // read on first paint when there are no plain bytes
};

// Limits the painter to one rectangle (in its own coordinates) while it
// lives. Drawn within a plain rectangle, pictures and fills are copied row
// by row; within a window's uneven paint region the painter blends them
// span by span, and hands large ones to helper threads.
class ClippedTo {
public:
    ClippedTo(QPainter& painter, const QRect& rect);
    ~ClippedTo();
    ClippedTo(const ClippedTo&) = delete;
    ClippedTo& operator=(const ClippedTo&) = delete;

private:
    QPainter& painter_;
};

// A fixed name or text of the program's layout tables.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The program icon, shared by every window.
QIcon ProgramIcon();

}  // namespace tessary
