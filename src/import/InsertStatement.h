// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class SqlDialect;

// How a value appears when a statement is shown to the operator.
enum class ShownAs {
    Text,  // between the dialect's text quotes, a quote inside doubled
    Bare,  // as it stands (numbers, amounts)
    Date,  // between the dialect's date quotes
};

// A value of an import row: what is bound and how it is shown.
struct ImportValue {
    QVariant bound;
    ShownAs form = ShownAs::Text;
    QString shown; // when null: the bound value's text (dates as "yyyy-MM-dd[ hh:mm:ss]")

    QString shownText() const;
};

// "insert into T(f1,f2,...) values(?,?,...)": the statement every import row runs, with
// every value bound, and its text with the values filled in for the operator's eyes
// (the failed statement of the import windows).
class InsertStatement
{
public:
    InsertStatement(QString table, QStringList fields);

    const QString &table() const { return m_table; }
    const QStringList &fields() const { return m_fields; }
    QString sql() const;
    // The statement with the values in place of the markers, quoted as the dialect's
    // TextQuote and DateQuote say.
    QString display(const QList<ImportValue> &values, const SqlDialect &dialect) const;

    static QVariantList bound(const QList<ImportValue> &values);

private:
    QString m_table;
    QStringList m_fields;
};
