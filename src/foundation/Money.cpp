// SPDX-License-Identifier: MIT
#include "foundation/Money.h"

#include <cmath>

bool Money::parse(const QString &text, Money *out)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return false;
    int i = 0;
    bool negative = false;
    if (s[0] == QLatin1Char('-') || s[0] == QLatin1Char('+')) {
        negative = s[0] == QLatin1Char('-');
        ++i;
    }
    int64_t whole = 0;
    int64_t frac = 0;
    int fracDigits = 0;
    bool roundUp = false;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('.')) {
            if (seenPoint)
                return false;
            seenPoint = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        seenDigit = true;
        const int d = c.digitValue();
        if (!seenPoint) {
            if (whole > (INT64_MAX / 10000 - 9) / 10)
                return false;
            whole = whole * 10 + d;
        } else if (fracDigits < 4) {
            frac = frac * 10 + d;
            ++fracDigits;
        } else if (fracDigits == 4) {
            roundUp = d >= 5;
            ++fracDigits;
        }
    }
    if (!seenDigit)
        return false;
    for (int k = std::min(fracDigits, 4); k < 4; ++k)
        frac *= 10;
    int64_t units = whole * 10000 + frac + (roundUp ? 1 : 0);
    *out = fromUnits(negative ? -units : units);
    return true;
}

Money Money::fromText(const QString &text)
{
    Money m;
    return parse(text, &m) ? m : Money();
}

Money Money::fromVariant(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return Money();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return fromYuan(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        // SQLite hands back NUMERIC values with a fraction as doubles; rounding to the
        // nearest ten-thousandth recovers the stored four-decimal value exactly.
        return fromUnits(int64_t(std::llround(value.toDouble() * 10000.0)));
    default:
        return fromText(value.toString());
    }
}

QString Money::toString() const
{
    QString s = toString(4);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString Money::toString(int decimals) const
{
    decimals = std::clamp(decimals, 0, 4);
    int64_t units = m_units;
    const bool negative = units < 0;
    if (negative)
        units = -units;
    int64_t scale = 1;
    for (int k = decimals; k < 4; ++k)
        scale *= 10;
    const int64_t rounded = (units + scale / 2) / scale; // half away from zero
    int64_t pow = 1;
    for (int k = 0; k < decimals; ++k)
        pow *= 10;
    QString s = QString::number(rounded / pow);
    if (decimals > 0)
        s += QLatin1Char('.') + QString::number(rounded % pow).rightJustified(decimals, QLatin1Char('0'));
    if (negative && rounded != 0)
        s.prepend(QLatin1Char('-'));
    return s;
}

QVariant Money::toSql() const
{
    // SQLite stores a decimal text bound to a NUMERIC column as a number; PostgreSQL
    // converts it to numeric exactly.
    return QVariant(toString(4));
}
