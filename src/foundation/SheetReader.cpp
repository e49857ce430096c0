// SPDX-License-Identifier: MIT
#include "foundation/SheetReader.h"

#include "foundation/CsvSheetReader.h"
#include "foundation/XlsSheetReader.h"
#include "foundation/XlsxSheetReader.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class Kind { Unknown, Xlsx, Xls, Csv };

// The first bytes tell a zip container (xlsx) from a compound file (xls).
Kind kindByContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Kind::Unknown;
    const QByteArray head = file.read(8);
    if (head.startsWith("PK\x03\x04"))
        return Kind::Xlsx;
    if (head == QByteArray::fromHex("D0CF11E0A1B11AE1"))
        return Kind::Xls;
    return Kind::Unknown;
}

Kind kindByName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xlsx") || suffix == QLatin1String("xlsm"))
        return Kind::Xlsx;
    if (suffix == QLatin1String("xls"))
        return Kind::Xls;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
        return Kind::Csv;
    return Kind::Unknown;
}
}

QString SheetReader::readError(const QString &path, const QString &reason)
{
    return QStringLiteral("无法读取文件: %1: %2").arg(QFileInfo(path).fileName(), reason);
}

std::unique_ptr<SheetReader> SheetReader::open(const QString &path, QString *error)
{
    auto fail = [&](const QString &reason) {
        if (error)
            *error = readError(path, reason);
        return nullptr;
    };
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("文件不存在"));
    Kind kind = kindByName(path);
    if (kind != Kind::Csv) {
        const Kind content = kindByContent(path);
        if (content != Kind::Unknown)
            kind = content;
    }
    std::unique_ptr<SheetReader> reader;
    switch (kind) {
    case Kind::Xlsx: reader = std::make_unique<XlsxSheetReader>(); break;
    case Kind::Xls: reader = std::make_unique<XlsSheetReader>(); break;
    case Kind::Csv: reader = std::make_unique<CsvSheetReader>(); break;
    case Kind::Unknown:
        return fail(QStringLiteral("不支持的文件类型(请选择 .xls、.xlsx 或 .csv 文件)"));
    }
    const QString message = reader->read(path);
    if (!message.isEmpty()) {
        if (error)
            *error = message;
        return nullptr;
    }
    if (error)
        error->clear();
    return reader;
}
