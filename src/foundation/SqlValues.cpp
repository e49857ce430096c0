// SPDX-License-Identifier: MIT
#include "foundation/SqlValues.h"

namespace SqlValues {

QDate toDate(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
}

QDateTime toDateTime(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString();
    if (s.size() <= 10)
        return QDateTime(QDate::fromString(s, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return QDateTime::fromString(s.left(19).replace(QLatin1Char('T'), QLatin1Char(' ')),
                                 QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

bool toBool(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().toLower();
        return s == QLatin1String("1") || s == QLatin1String("true") || s == QLatin1String("t");
    }
    return v.toBool();
}

QString dateText(const QVariant &v)
{
    const QDate d = toDate(v);
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString dateTimeText(const QVariant &v)
{
    const QDateTime d = toDateTime(v);
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QString();
}

QString likeContains()
{
    return QStringLiteral(" like ? escape '\\'");
}

QString containsPattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace SqlValues
