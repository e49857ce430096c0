// SPDX-License-Identifier: MIT
#include "import/InsertStatement.h"

#include "foundation/SqlDialect.h"

#include <QDate>
#include <QDateTime>

QString ImportValue::shownText() const
{
    if (!shown.isNull())
        return shown;
    switch (bound.typeId()) {
    case QMetaType::QDate:
        return bound.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return bound.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    default:
        return bound.toString();
    }
}

InsertStatement::InsertStatement(QString table, QStringList fields)
    : m_table(std::move(table)), m_fields(std::move(fields))
{
}

QString InsertStatement::sql() const
{
    QStringList markers;
    for (int i = 0; i < m_fields.size(); ++i)
        markers << QStringLiteral("?");
    return QStringLiteral("insert into %1(%2) values(%3)")
        .arg(m_table, m_fields.join(QLatin1Char(',')), markers.join(QLatin1Char(',')));
}

QString InsertStatement::display(const QList<ImportValue> &values, const SqlDialect &dialect) const
{
    const QString q = dialect.textQuote();
    const QString d = dialect.dateQuote();
    QStringList shown;
    for (const ImportValue &v : values) {
        switch (v.form) {
        case ShownAs::Text: {
            QString text = v.shownText();
            if (!q.isEmpty())
                text.replace(q, q + q);
            shown << q + text + q;
            break;
        }
        case ShownAs::Bare:
            shown << v.shownText();
            break;
        case ShownAs::Date:
            shown << d + v.shownText() + d;
            break;
        }
    }
    return QStringLiteral("insert into %1(%2) values(%3)")
        .arg(m_table, m_fields.join(QLatin1Char(',')), shown.join(QLatin1Char(',')));
}

QVariantList InsertStatement::bound(const QList<ImportValue> &values)
{
    QVariantList list;
    list.reserve(values.size());
    for (const ImportValue &v : values)
        list << v.bound;
    return list;
}
