// SPDX-License-Identifier: MIT
#include "foundation/GridColumn.h"

#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SqlValues.h"

#include <cmath>

QList<GridColumn> GridColumn::fromFields(const QStringList &fields)
{
    QList<GridColumn> columns;
    for (const QString &f : fields)
        columns.append(GridColumn(f));
    return columns;
}

namespace GridFormat {
namespace {

GridColumn::Kind kindOfType(Schema::Type type)
{
    switch (type) {
    case Schema::Type::Text:
    case Schema::Type::Memo:
        return GridColumn::Kind::Text;
    case Schema::Type::Integer:
    case Schema::Type::Real:
    case Schema::Type::Counter:
        return GridColumn::Kind::Number;
    case Schema::Type::Money:
        return GridColumn::Kind::Money;
    case Schema::Type::YesNo:
        return GridColumn::Kind::YesNo;
    case Schema::Type::Date:
        return GridColumn::Kind::Date;
    case Schema::Type::DateTime:
        return GridColumn::Kind::DateTime;
    case Schema::Type::Picture:
        return GridColumn::Kind::Auto;
    }
    return GridColumn::Kind::Auto;
}

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

QString numberText(const QVariant &v)
{
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

} // namespace

GridColumn::Kind kindOfField(const QString &field, const QString &table)
{
    if (!table.isEmpty()) {
        if (const Schema::Table *t = Schema::findTable(table)) {
            if (const Schema::Column *c = Schema::findColumn(*t, field))
                return kindOfType(c->type);
        }
    }
    bool found = false;
    GridColumn::Kind kind = GridColumn::Kind::Auto;
    for (const Schema::Table &t : Schema::tables()) {
        const Schema::Column *c = Schema::findColumn(t, field);
        if (!c)
            continue;
        const GridColumn::Kind k = kindOfType(c->type);
        if (found && k != kind)
            return GridColumn::Kind::Auto; // the tables disagree: go by the values
        found = true;
        kind = k;
    }
    return kind;
}

QString display(GridColumn::Kind kind, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (kind) {
    case GridColumn::Kind::Text:
        return value.toString();
    case GridColumn::Kind::Date:
        return SqlValues::dateText(value);
    case GridColumn::Kind::DateTime:
        return SqlValues::dateTimeText(value);
    case GridColumn::Kind::Money:
        return Money::fromVariant(value).toString(2);
    case GridColumn::Kind::Number:
        return numberText(value);
    case GridColumn::Kind::YesNo:
        return SqlValues::toBool(value) ? QStringLiteral("是") : QStringLiteral("否");
    case GridColumn::Kind::Auto:
        break;
    }
    if (value.typeId() == QMetaType::QByteArray)
        return QString(); // a picture: nothing to write in a cell
    if (isNumber(value))
        return numberText(value);
    if (value.typeId() == QMetaType::QDate)
        return SqlValues::dateText(value);
    if (value.typeId() == QMetaType::QDateTime)
        return SqlValues::dateTimeText(value);
    return value.toString();
}

bool alignsRight(GridColumn::Kind kind, const QVariant &value)
{
    switch (kind) {
    case GridColumn::Kind::Money:
    case GridColumn::Kind::Number:
        return true;
    case GridColumn::Kind::Auto:
        return isNumber(value);
    default:
        return false;
    }
}

int formatDecimals(const QString &format)
{
    const QString f = format.trimmed();
    if (f.isEmpty())
        return -1;
    const int point = f.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(f.size() - point - 1);
}

QString countText(qint64 count, const QString &format)
{
    const int decimals = formatDecimals(format);
    if (decimals <= 0)
        return QString::number(count);
    return QString::number(count) + QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
}

QString moneySumText(qint64 units, const QString &format)
{
    const int decimals = formatDecimals(format);
    return Money::fromUnits(units).toString(decimals < 0 ? 2 : decimals);
}

QString numberSumText(const QVariant &sum, const QString &format)
{
    const int decimals = formatDecimals(format);
    QVariant v = sum;
    if (v.isNull() || !v.isValid())
        v = 0;
    if (v.typeId() == QMetaType::QString) {
        // PostgreSQL's numeric sums arrive as exact decimal text.
        Money m;
        if (Money::parse(v.toString(), &m))
            return decimals < 0 ? m.toString() : m.toString(decimals);
        return v.toString();
    }
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        const double d = v.toDouble();
        if (decimals < 0)
            return QString::number(d, 'g', 15);
        return QString::number(d, 'f', decimals);
    }
    const qint64 whole = v.toLongLong();
    if (decimals <= 0)
        return QString::number(whole);
    return QString::number(whole) + QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
}

} // namespace GridFormat
