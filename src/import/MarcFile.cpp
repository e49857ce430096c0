// SPDX-License-Identifier: MIT
#include "import/MarcFile.h"

#include <QFile>

namespace {

constexpr char RecordTerminator = '\x1D';

bool isGap(char c)
{
    return c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == '\x1A';
}

// End (one past the terminator) of the record at `start` by its leader's record length,
// or -1 when the length is not five digits or does not end on a terminator.
int endByLength(const QByteArray &content, int start)
{
    if (start + 5 > content.size())
        return -1;
    int length = 0;
    for (int i = start; i < start + 5; ++i) {
        const char c = content.at(i);
        if (c < '0' || c > '9')
            return -1;
        length = length * 10 + (c - '0');
    }
    const int last = start + length - 1;
    if (length < 1 || last >= content.size() || content.at(last) != RecordTerminator)
        return -1;
    return last + 1;
}

} // namespace

int MarcFileResult::goodCount() const
{
    int good = 0;
    for (const MarcFileRecord &record : records)
        good += record.result.ok() ? 1 : 0;
    return good;
}

int MarcFileResult::badCount() const
{
    return int(records.size()) - goodCount();
}

namespace MarcFile {

QList<QByteArray> splitRecords(const QByteArray &content)
{
    QList<QByteArray> records;
    const int size = int(content.size());
    int start = 0;
    while (start < size) {
        if (isGap(content.at(start))) {
            ++start;
            continue;
        }
        int end = endByLength(content, start);
        if (end < 0) {
            const int terminator = content.indexOf(RecordTerminator, start);
            const int lineEnd = content.indexOf('\n', start);
            if (terminator >= 0 && (lineEnd < 0 || terminator < lineEnd))
                end = terminator + 1;
            else
                end = lineEnd >= 0 ? lineEnd : size;
        }
        QByteArray record = content.mid(start, end - start);
        if (record.endsWith('\r'))
            record.chop(1);
        records.append(record);
        start = end;
    }
    return records;
}

MarcFileResult readBytes(const QByteArray &content, const MarcProgress &progress)
{
    MarcFileResult result;
    result.opened = true;
    const QList<QByteArray> pieces = splitRecords(content);
    const int total = int(pieces.size());
    for (int i = 0; i < total; ++i) {
        result.records.append({i + 1, MarcRecord::read(pieces.at(i))});
        if (progress && !progress(result.records.constLast(), total)) {
            result.stopped = i + 1 < total;
            break;
        }
    }
    return result;
}

MarcFileResult read(const QString &path, const MarcProgress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MarcFileResult result;
        result.fileError = QStringLiteral("无法读取文件%1: %2").arg(path, file.errorString());
        return result;
    }
    return readBytes(file.readAll(), progress);
}

} // namespace MarcFile
