// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
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
