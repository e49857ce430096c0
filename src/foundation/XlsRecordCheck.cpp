// SPDX-License-Identifier: MIT
#include "foundation/XlsRecordCheck.h"
#include "foundation/BiffBytes.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace {

enum Record : quint16 {
    Bof = 0x0809,
    Eof = 0x000A,
    Continue = 0x003C,
    Sst = 0x00FC,
    Format = 0x041E,
    Xf = 0x00E0,
    BoundSheet = 0x0085,
    Dimension = 0x0200,
    Number = 0x0203,
    Rk = 0x027E,
    LabelSst = 0x00FD,
    Label = 0x0204,
    RString = 0x00D6,
    BoolErr = 0x0205,
    Blank = 0x0201,
    Formula = 0x0006,
    MulRk = 0x00BD,
    MulBlank = 0x00BE,
    String = 0x0207,
    FilePass = 0x002F,
};

constexpr quint16 Biff8 = 0x0600;
constexpr quint16 WorksheetStream = 0x0010;
constexpr int MaxRecordLength = 8224;
constexpr quint32 MaxRows = 65536;
constexpr quint32 MaxColumns = 256;

struct RecordAt {
    qsizetype offset; // of the record header in the stream
    quint16 type;
    QByteArrayView body; // inside the stream being checked
};

using Biff::u16;
using Biff::u32;

bool stringFits(QByteArrayView body, qsizetype at, int countBytes)
{
    return Biff::stringEnd(body, at, countBytes) >= 0;
}

// The shared string table: an SST record and the CONTINUE records after it, read as one
// run of bytes in which a string's characters may go on in the next record behind a new
// flags byte. Gives the number of strings, or -1 when one of them does not fit.
class SharedStrings
{
public:
    explicit SharedStrings(QList<QByteArrayView> parts) : m_parts(std::move(parts)) {}

    qint64 count()
    {
        quint32 unique = 0;
        if (!skip(4) || !readU32(&unique))
            return -1;
        for (quint32 i = 0; i < unique; ++i) {
            quint16 chars = 0;
            quint8 flags = 0;
            if (!readU16(&chars) || !readU8(&flags))
                return -1;
            quint16 runs = 0;
            quint32 extension = 0;
            if (((flags & 0x08) && !readU16(&runs)) || ((flags & 0x04) && !readU32(&extension)))
                return -1;
            if (!characters(chars, flags) || !skip(qint64(runs) * 4) || !skip(extension))
                return -1;
        }
        return unique;
    }

private:
    qsizetype left() const { return m_part < m_parts.size() ? m_parts.at(m_part).size() - m_at : 0; }

    // Moves to the next record when this one is used up; false at the end.
    bool ensure()
    {
        while (m_part < m_parts.size() && left() == 0) {
            ++m_part;
            m_at = 0;
        }
        return m_part < m_parts.size();
    }

    bool readBytes(int n, quint32 *value)
    {
        if (!ensure() || left() < n)
            return false;
        const QByteArrayView part = m_parts.at(m_part);
        *value = n == 1 ? quint8(part[m_at]) : n == 2 ? u16(part, m_at) : u32(part, m_at);
        m_at += n;
        return true;
    }
    bool readU8(quint8 *v)
    {
        quint32 x = 0;
        const bool ok = readBytes(1, &x);
        *v = quint8(x);
        return ok;
    }
    bool readU16(quint16 *v)
    {
        quint32 x = 0;
        const bool ok = readBytes(2, &x);
        *v = quint16(x);
        return ok;
    }
    bool readU32(quint32 *v) { return readBytes(4, v); }

    bool skip(qint64 n)
    {
        while (n > 0) {
            if (!ensure())
                return false;
            const qint64 step = qMin<qint64>(n, left());
            m_at += step;
            n -= step;
        }
        return true;
    }

    bool characters(qint64 chars, quint8 flags)
    {
        int width = (flags & 1) ? 2 : 1;
        while (chars > 0) {
            if (left() == 0) {
                // The characters go on in the next record, which starts with their flags.
                quint8 next = 0;
                if (!readU8(&next))
                    return false;
                width = (next & 1) ? 2 : 1;
            }
            const qint64 fit = qMin<qint64>(chars, left() / width);
            if (fit == 0)
                return false;
            m_at += fit * width;
            chars -= fit;
        }
        return true;
    }

    QList<QByteArrayView> m_parts;
    qsizetype m_part = 0;
    qsizetype m_at = 0;
};

QString damaged(const QString &what)
{
    return QStringLiteral("文件已损坏(%1)").arg(what);
}

} // namespace

namespace XlsRecordCheck {

QString check(const QByteArray &stream)
{
    QList<RecordAt> records;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 type = u16(stream, at);
        const quint16 length = u16(stream, at + 2);
        if (length > MaxRecordLength || at + 4 + length > stream.size())
            return damaged(QStringLiteral("记录超出了工作簿"));
        records.append({at, type, QByteArrayView(stream).sliced(at + 4, length)});
        at += 4 + length;
    }
    if (records.isEmpty() || records.first().type != Bof)
        return damaged(QStringLiteral("工作簿不以BOF记录开始"));
    if (u16(records.first().body, 0) != Biff8)
        return QStringLiteral("只能读取Excel 97-2003格式(BIFF8)的.xls文件, 请另存为Excel 97-2003工作簿或.xlsx");

    QSet<qsizetype> bofOffsets;
    QList<quint32> sheetOffsets;
    qint64 xfCount = 0;
    qint64 sharedStrings = -1; // no table yet
    int depth = 0;
    bool worksheet = false;
    bool hasDimension = false;
    quint32 firstRow = 0, endRow = 0, firstColumn = 0, endColumn = 0;

    auto cellInside = [&](quint32 row, quint32 column) {
        return worksheet && hasDimension && row >= firstRow && row < endRow && column >= firstColumn && column < endColumn;
    };
    auto xfKnown = [&](quint16 xf) { return xf < xfCount; };

    for (qsizetype i = 0; i < records.size(); ++i) {
        const RecordAt &r = records.at(i);
        const QByteArrayView b = r.body;
        if (r.type == Bof) {
            if (b.size() < 4 || u16(b, 0) != Biff8)
                return damaged(QStringLiteral("BOF记录无效"));
            bofOffsets.insert(r.offset);
            // A sheet starts afresh; a chart embedded in a sheet keeps the sheet's context,
            // so that no record is left unchecked by a BOF or EOF where it does not belong.
            if (++depth == 1) {
                worksheet = u16(b, 2) == WorksheetStream;
                hasDimension = false;
            }
            continue;
        }
        if (r.type == Eof) {
            depth = qMax(0, depth - 1);
            continue;
        }
        if (r.type == FilePass)
            return QStringLiteral("文件有密码保护"); // what follows is encrypted
        switch (r.type) {
        case Xf:
            ++xfCount;
            break;
        case Format:
            if (!stringFits(b, 2, 2))
                return damaged(QStringLiteral("数字格式的文字超出了记录"));
            break;
        case BoundSheet:
            if (b.size() < 6 || !stringFits(b, 6, 1))
                return damaged(QStringLiteral("工作表名超出了记录"));
            sheetOffsets.append(u32(b, 0));
            break;
        case Sst: {
            QList<QByteArrayView> parts{b};
            while (i + 1 < records.size() && records.at(i + 1).type == Continue)
                parts.append(records.at(++i).body);
            if (sharedStrings >= 0 || (sharedStrings = SharedStrings(parts).count()) < 0)
                return damaged(QStringLiteral("共享字符串表无效"));
            break;
        }
        case Dimension:
            if (!worksheet || b.size() != 14 || hasDimension)
                return damaged(QStringLiteral("工作表的尺寸记录无效"));
            firstRow = u32(b, 0);
            endRow = u32(b, 4);
            firstColumn = u16(b, 8);
            endColumn = u16(b, 10);
            if (firstRow > endRow || endRow > MaxRows || firstColumn > endColumn || endColumn > MaxColumns)
                return damaged(QStringLiteral("工作表的尺寸超出范围"));
            hasDimension = true;
            break;
        case Number:
        case Rk:
        case LabelSst:
        case Label:
        case RString:
        case BoolErr:
        case Blank:
        case Formula: {
            static const QHash<quint16, int> minimum{{Number, 14}, {Rk, 10},     {LabelSst, 10}, {Label, 9},
                                                    {RString, 9}, {BoolErr, 8}, {Blank, 6},     {Formula, 20}};
            if (b.size() < minimum.value(r.type) || !cellInside(u16(b, 0), u16(b, 2)) || !xfKnown(u16(b, 4)))
                return damaged(QStringLiteral("单元格超出了工作表的尺寸"));
            if (r.type == LabelSst && u32(b, 6) >= quint64(qMax<qint64>(sharedStrings, 0)))
                return damaged(QStringLiteral("单元格引用了不存在的共享字符串"));
            if ((r.type == Label || r.type == RString) && !stringFits(b, 6, 2))
                return damaged(QStringLiteral("单元格的文字超出了记录"));
            break;
        }
        case MulRk:
        case MulBlank: {
            const int each = r.type == MulRk ? 6 : 2;
            const quint16 row = u16(b, 0), first = u16(b, 2), last = u16(b, b.size() - 2);
            if (b.size() < 6 || last < first || b.size() != 6 + each * (last - first + 1)
                || !cellInside(row, first) || !cellInside(row, last))
                return damaged(QStringLiteral("单元格超出了工作表的尺寸"));
            for (int k = 0; k <= last - first; ++k)
                if (!xfKnown(u16(b, 4 + k * each)))
                    return damaged(QStringLiteral("单元格引用了不存在的格式"));
            break;
        }
        case String:
            if (!stringFits(b, 0, 2))
                return damaged(QStringLiteral("公式结果的文字超出了记录"));
            break;
        default:
            break;
        }
    }
    for (const quint32 offset : std::as_const(sheetOffsets))
        if (!bofOffsets.contains(offset))
            return damaged(QStringLiteral("工作表的位置无效"));
    return {};
}

} // namespace XlsRecordCheck
