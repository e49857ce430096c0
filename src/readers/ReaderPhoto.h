// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>

// The photo rule of registration and editing: a picture file of at most 2 MB (its size
// in bytes divided by 1048576 not above 2), in any format Qt reads (JPEG, PNG, BMP, GIF,
// ...), stored as the bytes of a Windows bitmap.
namespace ReaderPhoto {

constexpr qint64 kLimitBytes = 2 * 1048576;

struct Result {
    bool ok = false;
    QByteArray bmp;  // the bitmap to store
    QString message; // the refusal for the operator
};

// The refusal for a file of this size, or empty when the size is allowed.
QString sizeRefusal(qint64 bytes);

// Checks the size, reads the picture and draws it into a bitmap.
Result load(const QString &fileName);

} // namespace ReaderPhoto
