// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArrayView>
#include <QString>
#include <QtEndian>

// Reading the little-endian numbers and strings of BIFF (.xls) records; every read is
// bounded by the bytes given, so a damaged record cannot lead it astray.
namespace Biff {

inline quint16 u16(QByteArrayView b, qsizetype at)
{
    return at >= 0 && at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.data() + at) : 0;
}

inline quint32 u32(QByteArrayView b, qsizetype at)
{
    return at >= 0 && at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.data() + at) : 0;
}

// A string as the records hold it (a sheet name, a format, a cell's text): a count of
// countBytes (1 or 2), a flags byte (bit 0: two bytes a character), the characters.
// The offset just after it, or -1 when it does not end inside the bytes.
inline qsizetype stringEnd(QByteArrayView b, qsizetype at, int countBytes)
{
    if (at < 0 || at + countBytes + 1 > b.size())
        return -1;
    const qsizetype count = countBytes == 1 ? quint8(b[at]) : u16(b, at);
    const int width = (b[at + countBytes] & 1) ? 2 : 1;
    const qsizetype end = at + countBytes + 1 + count * width;
    return end <= b.size() ? end : -1;
}

// That string's text; empty when it does not fit.
inline QString string(QByteArrayView b, qsizetype at, int countBytes)
{
    const qsizetype end = stringEnd(b, at, countBytes);
    if (end < 0)
        return {};
    const char *chars = b.data() + at + countBytes + 1;
    if (b[at + countBytes] & 1)
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(chars), (end - at - countBytes - 1) / 2);
    return QString::fromLatin1(chars, end - at - countBytes - 1);
}

} // namespace Biff
