// SPDX-License-Identifier: MIT
#include "foundation/SheetCellText.h"

#include <QDateTime>
#include <cmath>

namespace SheetCellText {

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    // Round to the 15 significant digits a spreadsheet keeps, then write without exponent
    // unless the value is far outside the ordinary range.
    const QString rounded = QString::number(value, 'g', 15);
    const double magnitude = std::fabs(rounded.toDouble());
    if (!rounded.contains(QLatin1Char('e')) || magnitude < 1e-10 || magnitude >= 1e21)
        return rounded;
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    QString fixed = QString::number(rounded.toDouble(), 'f', qMax(0, 14 - exponent));
    if (fixed.contains(QLatin1Char('.'))) {
        while (fixed.endsWith(QLatin1Char('0')))
            fixed.chop(1);
        if (fixed.endsWith(QLatin1Char('.')))
            fixed.chop(1);
    }
    return fixed;
}

QString numberText(QByteArrayView written, double value)
{
    // A plain decimal of at most 15 digits, without a leading zero, a trailing zero of its
    // fraction, a negative zero or so many leading zeros that the short form is exponential.
    const qsizetype n = written.size();
    qsizetype i = n > 0 && written.at(0) == '-' ? 1 : 0;
    const qsizetype intStart = i;
    while (i < n && written.at(i) >= '0' && written.at(i) <= '9')
        ++i;
    const qsizetype intDigits = i - intStart;
    bool plain = intDigits > 0 && (intDigits == 1 || written.at(intStart) != '0');
    qsizetype fractionDigits = 0;
    if (plain && i < n && written.at(i) == '.') {
        const qsizetype fractionStart = ++i;
        while (i < n && written.at(i) >= '0' && written.at(i) <= '9')
            ++i;
        fractionDigits = i - fractionStart;
        qsizetype leadingZeros = 0;
        while (written.at(intStart) == '0' && leadingZeros < fractionDigits && written.at(fractionStart + leadingZeros) == '0')
            ++leadingZeros;
        plain = fractionDigits > 0 && written.at(i - 1) != '0' && leadingZeros < 9;
    }
    plain = plain && i == n && intDigits + fractionDigits <= 15
            && !(intStart == 1 && intDigits == 1 && written.at(1) == '0' && fractionDigits == 0);
    return plain ? QString::fromLatin1(written.data(), n) : numberText(value);
}

QString serialDateText(double serial, bool date1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial >= 2958466)
        return {};
    // Whole seconds, rounded: 45634.99999999 is midnight of the next day.
    const qint64 seconds = std::llround(serial * 86400.0);
    const qint64 days = seconds / 86400;
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(seconds % 86400));
    if (days == 0 && !date1904 && seconds != 0)
        return time.toString(QStringLiteral("hh:mm:ss"));
    // The 1900 system counts a 29 February 1900 that never was (serial 60).
    QDate date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(days);
    else
        date = days < 61 ? QDate(1899, 12, 31).addDays(days) : QDate(1899, 12, 30).addDays(days);
    if (time == QTime(0, 0))
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
        + time.toString(QStringLiteral("hh:mm:ss"));
}

QString isoDateText(const QString &iso)
{
    const QString text = iso.trimmed();
    if (text.size() == 10) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : text;
    }
    const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
    if (!dateTime.isValid())
        return text;
    if (dateTime.time() == QTime(0, 0))
        return dateTime.date().toString(QStringLiteral("yyyy-MM-dd"));
    return dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

bool isBuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 22) || (id >= 45 && id <= 47) || (id >= 27 && id <= 36)
        || (id >= 50 && id <= 58);
}

bool isDateFormatCode(const QString &code)
{
    bool quoted = false;
    int bracket = 0;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (quoted) {
            quoted = c != QLatin1Char('"');
            continue;
        }
        switch (c.unicode()) {
        case '"': quoted = true; break;
        case '[': ++bracket; break;
        case ']': bracket = qMax(0, bracket - 1); break;
        case '\\': case '_': case '*': ++i; break; // the next character is literal or padding
        default:
            if (bracket == 0 && QStringLiteral("dDmMyYhHsS").contains(c))
                return true;
        }
    }
    return false;
}

QString decodeEscapes(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() && text.at(i + 1) == QLatin1Char('x')
            && text.at(i + 6) == QLatin1Char('_')) {
            bool ok = false;
            const ushort code = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += text.at(i);
    }
    return out;
}
}
