// SPDX-License-Identifier: MIT
#include "foundation/CsvSheetReader.h"

#include "foundation/Gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(QStringDecoder::Utf16, QStringDecoder::Flag::ConvertInitialBom);
        QString text = decoder(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    return Gbk::isUtf8(bytes) ? QString::fromUtf8(bytes) : Gbk::decode(bytes);
}

QChar separatorOf(const QString &text)
{
    const QStringView firstLine = QStringView(text).left(text.indexOf(QLatin1Char('\n')));
    return !firstLine.contains(QLatin1Char(',')) && firstLine.contains(QLatin1Char('\t'))
        ? QLatin1Char('\t') : QLatin1Char(',');
}

// Drops the empty fields at the end of a record, so that "a,b,," has two columns.
void trimRecord(QStringList &record)
{
    while (!record.isEmpty() && record.last().isEmpty())
        record.removeLast();
}
}

QList<QStringList> CsvSheetReader::parse(const QString &text)
{
    const QChar separator = separatorOf(text);
    QList<QStringList> rows;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    auto endField = [&] { record.append(field); field.clear(); fieldStarted = false; };
    auto endRecord = [&] { endField(); trimRecord(record); rows.append(record); record.clear(); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c != QLatin1Char('\r') || i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n')) {
                field += c; // a line break in a field is kept as "\n", as a cell keeps it
            }
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.isEmpty() || !record.isEmpty())
        endRecord();
    while (!rows.isEmpty() && rows.last().isEmpty())
        rows.removeLast();
    return rows;
}

QString CsvSheetReader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return readError(path, file.errorString());
    m_rows = parse(decodeText(file.readAll()));
    m_name = QFileInfo(path).completeBaseName();
    m_columns = 0;
    for (const QStringList &row : std::as_const(m_rows))
        m_columns = qMax(m_columns, int(row.size()));
    return {};
}

QString CsvSheetReader::cellText(int row, int column) const
{
    if (row < 1 || row > m_rows.size() || column < 1)
        return {};
    const QStringList &fields = m_rows.at(row - 1);
    return column <= fields.size() ? fields.at(column - 1) : QString();
}
