// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include "foundation/SheetReader.h"
#include <unistd.h>

// The readers under test take a path: each input is written to one file in memory
// (/dev/shm) per fuzzing process, named with the extension the reader expects.
inline QString fuzzInputFile(const uint8_t *data, size_t size, const char *extension)
{
    static const QString path = QStringLiteral("/dev/shm/book-fuzz-%1.%2")
                                    .arg(::getpid())
                                    .arg(QString::fromLatin1(extension));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qsizetype(size));
    return path;
}

// Some readers decode GBK or look at dates through Qt, which wants an application.
inline void fuzzApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// Reads the input as a sheet and every cell of a bounded corner of its used range (a
// hostile file may claim a huge one), past its edges too.
inline void fuzzSheet(SheetReader &reader, const uint8_t *data, size_t size, const char *extension)
{
    fuzzApplication();
    if (!reader.read(fuzzInputFile(data, size, extension)).isEmpty())
        return;
    const int rows = qMin(reader.rowCount(), 200);
    const int columns = qMin(reader.columnCount(), 64);
    for (int row = 0; row <= rows + 1; ++row)
        for (int column = 0; column <= columns + 1; ++column)
            (void)reader.cellText(row, column);
    (void)reader.sheetName();
}
