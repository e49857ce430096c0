// SPDX-License-Identifier: MIT
#include "import/MarcRecord.h"

#include "foundation/Gbk.h"
#include "import/MarcSubfields.h"

namespace {

constexpr char FieldTerminator = '\x1E';
constexpr char RecordTerminator = '\x1D';
constexpr int LeaderLength = 24;
constexpr int EntryLength = 12;

// Five decimal digits at `from` (0-based), or -1.
int leaderNumber(const QByteArray &bytes, int from)
{
    int number = 0;
    for (int i = from; i < from + 5; ++i) {
        const char c = bytes.at(i);
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

MarcReadResult failure(MarcError error, const QString &reason)
{
    MarcReadResult result;
    result.error = error;
    result.reason = reason;
    return result;
}

// Applies the rule of one tag to the field's content; other tags are skipped.
void applyField(MarcRecord &record, const QByteArray &tag, const QByteArray &field)
{
    using namespace MarcSubfield;
    if (tag == "200") {
        record.title = Gbk::decode(value(field, 'a'));
        record.author = Gbk::decode(value(field, 'f'));
    } else if (tag == "010") {
        record.isbn = Gbk::decode(value(field, 'a'));
        if (const auto amount = price(field))
            record.price = Gbk::decode(*amount); // otherwise an earlier price stays
    } else if (tag == "210") {
        record.place = Gbk::decode(value(field, 'a'));
        record.publisher = Gbk::decode(value(field, 'c'));
        record.publicationDate = Gbk::decode(date(field, 'd'));
    } else if (tag == "215") {
        record.pages = Gbk::decode(pages(field, 'a'));
        record.dimensions = Gbk::decode(value(field, 'd'));
        record.accompanying = Gbk::decode(toEnd(field, 'e'));
    } else if (tag == "690") {
        record.classNumber = Gbk::decode(value(field, 'a'));
    } else if (tag == "606") {
        record.subject = Gbk::decode(value(field, 'a'));
    } else if (tag == "330") {
        record.summary = Gbk::decode(toEnd(field, 'a'));
    }
}

} // namespace

QStringList MarcRecord::values() const
{
    return {title,      author,       isbn,        price,   place,  publisher, publicationDate,
            pages,      dimensions,   accompanying, classNumber, subject, summary};
}

QStringList MarcRecord::valueNames()
{
    return {QStringLiteral("名称"),   QStringLiteral("作者"),     QStringLiteral("isbn"),
            QStringLiteral("价格"),   QStringLiteral("出版地"),   QStringLiteral("出版社"),
            QStringLiteral("出版时间"), QStringLiteral("页数"),     QStringLiteral("尺寸"),
            QStringLiteral("附件"),   QStringLiteral("分类号"),   QStringLiteral("分类名"),
            QStringLiteral("提要")};
}

MarcReadResult MarcRecord::read(const QByteArray &bytes)
{
    // Only a real terminator is dropped: a record cut short keeps its last byte.
    QByteArray line = bytes;
    const bool terminated = line.endsWith(RecordTerminator);
    if (terminated)
        line.chop(1);
    if (line.size() < LeaderLength)
        return failure(MarcError::LeaderTooShort,
                       QStringLiteral("记录只有%1字节, 不足24字节的记录头").arg(line.size()));

    // Leader positions 1-5 (record length, not used further) and 13-17 (base address B).
    const int recordLength = leaderNumber(line, 0);
    const int base = leaderNumber(line, 12);
    if (recordLength < 0 || base < 0)
        return failure(MarcError::LeaderNotNumeric,
                       QStringLiteral("记录头的记录长度\"%1\"或数据基地址\"%2\"不是数字")
                           .arg(Gbk::decode(line.mid(0, 5)),
                                Gbk::decode(line.mid(12, 5))));

    // Position B (1-based) must be the directory's own terminator; otherwise the fields
    // would be paired with the wrong tags.
    if (base <= LeaderLength || base > line.size() || line.at(base - 1) != FieldTerminator)
        return failure(MarcError::BaseAddressInvalid,
                       QStringLiteral("数据基地址%1处不是目录结束符").arg(base));

    const QByteArray directory = line.mid(LeaderLength, base - 1 - LeaderLength);
    // Directory length over 12, rounded to the nearest whole number (a half rounds up).
    const int entries = (int(directory.size()) + EntryLength / 2) / EntryLength;

    // Piece 0 is the empty text before the directory's terminator, piece k the field of
    // entry k. A field is complete when its own terminator follows it; the last one may
    // lack it when the record terminator proves that nothing was cut off.
    const QByteArray data = line.mid(base - 1);
    const QList<QByteArray> pieces = MarcSubfield::splitText(data, FieldTerminator);
    const bool lastFieldWhole = terminated && !data.endsWith(FieldTerminator);
    const int complete = int(pieces.size()) - (lastFieldWhole ? 1 : 2);
    if (complete < entries)
        return failure(MarcError::FieldsMissing,
                       QStringLiteral("目录列出%1个字段, 数据区只有%2个完整字段")
                           .arg(entries)
                           .arg(qMax(complete, 0)));

    MarcReadResult result;
    for (int k = 1; k <= entries; ++k)
        applyField(result.record, directory.mid((k - 1) * EntryLength, 3), pieces.at(k));
    return result;
}
