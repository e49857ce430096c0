// SPDX-License-Identifier: MIT
#include "foundation/XlsWorkbookScan.h"
#include "foundation/BiffBytes.h"
#include "foundation/SheetCellText.h"
#include "foundation/XlsRecordCheck.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <QtEndian>

#include <cstring>

namespace {

const quint32 endOfChain = 0xFFFFFFFE;

using Biff::u16;
using Biff::u32;

// A compound file (OLE2) just far enough to take one stream out of it.
class CompoundFile
{
public:
    explicit CompoundFile(const QByteArray &file) : m_file(file) {}
    bool isCompoundFile() const { return m_file.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")); }
    // True when stream() found a compound file whose header, FAT or directory breaks the
    // format's rules: such a file is not handed to FreeXL, which trusts them.
    bool damaged() const { return m_damaged; }

    QByteArray stream(const QStringList &names)
    {
        if (!isCompoundFile())
            return {};
        m_damaged = true; // until the header, the FAT and the directory have been read
        const int shift = u16(m_file, 30);
        const int miniShift = u16(m_file, 32);
        if (shift < 9 || shift > 12 || miniShift < 6 || miniShift >= shift)
            return {};
        m_sector = 1 << shift;
        m_miniSector = 1 << miniShift;
        if (!readFat())
            return {};
        const QByteArray directory = chain(u32(m_file, 48), m_fat, false);
        if (directory.isEmpty())
            return {};
        m_damaged = false;
        const quint32 cutoff = u32(m_file, 56);
        m_miniFat = toEntries(chain(u32(m_file, 60), m_fat, false));
        // Every directory entry must have a known type and a name of at most 32 UTF-16
        // units; FreeXL trusts the name length and reads past its buffer otherwise.
        for (qsizetype at = 0; at + 128 <= directory.size(); at += 128) {
            const int nameBytes = u16(directory, at + 64);
            const int type = directory.at(at + 66);
            if (nameBytes > 64 || nameBytes % 2 != 0 || (type != 0 && type != 1 && type != 2 && type != 5))
                m_damaged = true;
        }
        for (qsizetype at = 0; at + 128 <= directory.size(); at += 128) {
            const int nameBytes = qMin<int>(u16(directory, at + 64), 64);
            const QString name = QString::fromUtf16(
                reinterpret_cast<const char16_t *>(directory.constData() + at), qMax(0, nameBytes / 2 - 1));
            const int type = directory.at(at + 66);
            const quint32 start = u32(directory, at + 116);
            const quint32 size = u32(directory, at + 120);
            if (type == 5) // the root entry holds the mini stream
                m_miniStream = chain(start, m_fat, false);
            else if (type == 2 && names.contains(name, Qt::CaseInsensitive))
                return (size < cutoff ? chain(start, m_miniFat, true) : chain(start, m_fat, false)).left(size);
        }
        return {};
    }

private:
    static QList<quint32> toEntries(const QByteArray &bytes)
    {
        QList<quint32> entries;
        for (qsizetype at = 0; at + 4 <= bytes.size(); at += 4)
            entries.append(u32(bytes, at));
        return entries;
    }

    QByteArray sector(quint32 id) const
    {
        const qsizetype at = (qsizetype(id) + 1) * m_sector;
        return at + m_sector <= m_file.size() ? m_file.mid(at, m_sector) : QByteArray();
    }

    bool readFat()
    {
        QList<quint32> fatSectors;
        for (int i = 0; i < 109; ++i)
            fatSectors.append(u32(m_file, 76 + 4 * i));
        // Further FAT sector ids in DIFAT sectors, each ending with the next one's id.
        // A file cannot have more FAT sectors than sectors, and a DIFAT chain that comes
        // back to a sector it has read is a loop.
        const qsizetype fileSectors = m_file.size() / m_sector;
        QSet<quint32> difatSeen;
        quint32 difat = u32(m_file, 68);
        while (difat < endOfChain && !difatSeen.contains(difat) && fatSectors.size() <= fileSectors) {
            difatSeen.insert(difat);
            const QList<quint32> ids = toEntries(sector(difat));
            if (ids.isEmpty())
                return false;
            fatSectors.append(ids.mid(0, ids.size() - 1));
            difat = ids.last();
        }
        const int count = int(qMin<qsizetype>(qMin<qsizetype>(u32(m_file, 44), fatSectors.size()), fileSectors));
        for (int i = 0; i < count; ++i)
            m_fat.append(toEntries(sector(fatSectors.at(i))));
        return !m_fat.isEmpty();
    }

    // The bytes of a sector chain, in the file's sectors or the mini stream's; a loop or
    // a broken link ends it.
    QByteArray chain(quint32 start, const QList<quint32> &table, bool mini) const
    {
        QByteArray out;
        for (quint32 id = start, guard = 0; id < endOfChain && guard <= quint32(table.size()); ++guard) {
            if (mini) {
                const qsizetype at = qsizetype(id) * m_miniSector;
                if (at + m_miniSector > m_miniStream.size())
                    break;
                out += m_miniStream.mid(at, m_miniSector);
            } else {
                const QByteArray bytes = sector(id);
                if (bytes.isEmpty())
                    break;
                out += bytes;
            }
            id = id < quint32(table.size()) ? table.at(id) : endOfChain;
        }
        return out;
    }

    const QByteArray &m_file;
    int m_sector = 512;
    int m_miniSector = 64;
    bool m_damaged = false;
    QList<quint32> m_fat;
    QList<quint32> m_miniFat;
    QByteArray m_miniStream;
};

// The number formats of the workbook: which XF (cell format) shows a date.
struct DateFormats {
    QHash<int, QString> codes; // FORMAT records: id → format code
    QList<int> xfFormats;      // XF records in order: their format id
    bool date1904 = false;

    bool isDate(int xf) const
    {
        if (xf < 0 || xf >= xfFormats.size())
            return false;
        const int id = xfFormats.at(xf);
        const auto code = codes.constFind(id);
        return code != codes.constEnd() ? SheetCellText::isDateFormatCode(*code)
                                        : SheetCellText::isBuiltInDateFormat(id);
    }
};

QString errorText(int code)
{
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    default: return QStringLiteral("#N/A");
    }
}
}

XlsWorkbookScan XlsWorkbookScan::scan(const QByteArray &file)
{
    XlsWorkbookScan result;
    CompoundFile compound(file);
    const QByteArray stream = compound.stream({QStringLiteral("Workbook"), QStringLiteral("Book")});
    result.compoundFile = compound.isCompoundFile();
    result.damaged = compound.damaged();
    result.workbookFound = !stream.isEmpty();
    if (result.workbookFound)
        result.recordProblem = XlsRecordCheck::check(stream);
    // Workbook globals: WINDOW1 names the active tab, BOUNDSHEET each sheet and where it starts.
    int activeTab = 0;
    QList<QPair<QString, quint32>> sheets;
    DateFormats formats;
    qsizetype at = 0;
    while (at + 4 <= stream.size()) {
        const quint16 type = u16(stream, at);
        const quint16 length = u16(stream, at + 2);
        const qsizetype body = at + 4;
        const QByteArrayView record = QByteArrayView(stream).sliced(body, qMin<qsizetype>(length, stream.size() - body));
        if (type == 0x003D && length >= 12)
            activeTab = u16(stream, body + 10);
        else if (type == 0x0085 && length >= 8)
            sheets.append({Biff::string(record, 6, 1), u32(stream, body)});
        else if (type == 0x041E && length >= 2)
            formats.codes.insert(u16(stream, body), Biff::string(record, 2, 2));
        else if (type == 0x00E0 && length >= 4)
            formats.xfFormats.append(u16(stream, body + 2));
        else if (type == 0x0022 && length >= 2)
            formats.date1904 = u16(stream, body) != 0;
        else if (type == 0x000A)
            break;
        at = body + length;
    }
    if (activeTab >= sheets.size())
        activeTab = 0;
    if (sheets.isEmpty())
        return result;
    result.activeSheet = sheets.at(activeTab).first;
    // The active sheet's BOOLERR and FORMULA cells, up to its EOF (charts inside it nest
    // BOF..EOF). A formula's value is in the record; a text value follows in a STRING record.
    at = sheets.at(activeTab).second;
    quint64 textFormula = 0;
    bool awaitingText = false;
    for (int depth = 0; at + 4 <= stream.size();) {
        const quint16 type = u16(stream, at);
        const quint16 length = u16(stream, at + 2);
        const qsizetype body = at + 4;
        const bool whole = body + length <= stream.size();
        if (type == 0x0809)
            ++depth;
        else if (type == 0x000A && --depth <= 0)
            break;
        else if (depth != 1 || !whole)
            ;
        else if (type == 0x0205 && length >= 8) {
            const int value = quint8(stream.at(body + 6));
            const bool isError = stream.at(body + 7) != 0;
            result.scannedCells.insert(key(u16(stream, body), u16(stream, body + 2)),
                                       isError ? errorText(value)
                                               : QString::fromLatin1(value ? "TRUE" : "FALSE"));
        } else if (type == 0x0006 && length >= 20) {
            const quint64 cell = key(u16(stream, body), u16(stream, body + 2));
            awaitingText = false;
            if (u16(stream, body + 12) != 0xFFFF) {
                const quint64 bits = qFromLittleEndian<quint64>(stream.constData() + body + 6);
                double value = 0;
                std::memcpy(&value, &bits, sizeof value);
                const QString date = formats.isDate(u16(stream, body + 4))
                                         ? SheetCellText::serialDateText(value, formats.date1904)
                                         : QString();
                result.scannedCells.insert(cell, date.isEmpty() ? SheetCellText::numberText(value) : date);
            } else {
                const int kind = quint8(stream.at(body + 6));
                const int value = quint8(stream.at(body + 8));
                if (kind == 0) {
                    textFormula = cell;
                    awaitingText = true;
                } else if (kind == 1) {
                    result.scannedCells.insert(cell, QString::fromLatin1(value ? "TRUE" : "FALSE"));
                } else if (kind == 2) {
                    result.scannedCells.insert(cell, errorText(value));
                } else {
                    result.scannedCells.insert(cell, QString());
                }
            }
        } else if (type == 0x0207 && awaitingText) {
            result.scannedCells.insert(textFormula, Biff::string(QByteArrayView(stream).sliced(body, length), 0, 2));
            awaitingText = false;
        }
        at = body + length;
    }
    return result;
}
