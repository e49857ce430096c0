// SPDX-License-Identifier: MIT
#pragma once
// Small sheets for the import tests, written at test time, and reading rows back.
// Header-only: the test folders compile only their tst_ files and tests/support.
// A test outside tests/import defines IMPORT_FIXTURE_DIR before including it.
#include "PythonScripts.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace ImportFixtures {

// A .csv sheet of text cells (the header row first), UTF-8, every field quoted.
inline QString writeCsv(const QString &path, const QList<QStringList> &rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    for (const QStringList &r : rows) {
        QStringList quoted;
        for (QString cell : r)
            quoted << QLatin1Char('"') + cell.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        file.write(quoted.join(QLatin1Char(',')).toUtf8() + "\r\n");
    }
    return path;
}

// A sheet in the format of path's suffix (.xlsx, .xls, .csv) by make_sheet.py; cells are
// JSON: null, a string, a number or {"date":"yyyy-mm-dd"}. Empty with *error when it fails.
inline QString writeSheet(const QString &path, const QJsonArray &rows, QString *error)
{
    static const QString python = PythonScripts::interpreterWith(QStringLiteral("openpyxl"));
    if (python.isEmpty()) {
        *error = QStringLiteral("no Python 3 with openpyxl");
        return {};
    }
    const QString rowsFile = path + QStringLiteral(".json");
    QFile file(rowsFile);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QJsonDocument(rows).toJson());
    file.close();
    QByteArray out;
#ifdef IMPORT_FIXTURE_DIR
    const QString script = QStringLiteral(IMPORT_FIXTURE_DIR "/make_sheet.py");
#else
    const QString script = QStringLiteral(FIXTURE_DIR "/make_sheet.py");
#endif
    if (!PythonScripts::run(python, {QDir::cleanPath(script), path, rowsFile}, &out, error))
        return {};
    return path;
}

// A row of n cells: the given sheet columns (1-based) hold the texts, the others are empty.
inline QStringList row(int n, const QList<QPair<int, QString>> &cells)
{
    QStringList r;
    for (int i = 0; i < n; ++i)
        r << QString();
    for (const auto &c : cells)
        r[c.first - 1] = c.second;
    return r;
}

inline QString asText(const QString &table, const QString &column, const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("<null>");
    switch (Schema::typeOf(table, column)) {
    case Schema::Type::Money:
        return Money::fromVariant(v).toString();
    case Schema::Type::Date:
        return SqlValues::dateText(v);
    case Schema::Type::DateTime:
        return SqlValues::dateTimeText(v);
    case Schema::Type::YesNo:
        return SqlValues::toBool(v) ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return v.toString();
    }
}

// The stored value of one column as text: money in its shortest form, dates "yyyy-MM-dd",
// date-times "yyyy-MM-dd hh:mm:ss", "<null>" for Null.
inline QString storedText(const SharedConnection &db, const QString &table, const QString &column, const QString &where = QString(),
                   const QVariantList &values = {})
{
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 %3").arg(column, table, where), values);
    if (!q.next())
        return QStringLiteral("<no row>");
    return asText(table, column, q.value(0));
}

// Every value of one column, in the order of the table's key (or its id).
inline QStringList column(const SharedConnection &db, const QString &table, const QString &column)
{
    const bool counter = Schema::findTable(table) && Schema::findColumn(*Schema::findTable(table), QStringLiteral("id"));
    const QString order = counter ? QStringLiteral("id") : (table == QStringLiteral("读者库") ? QStringLiteral("读者编号")
                                                                                              : QStringLiteral("编号"));
    QSqlQuery q = db.exec(QStringLiteral("select %1 from %2 order by %3").arg(column, table, order));
    QStringList list;
    while (q.next())
        list << asText(table, column, q.value(0));
    return list;
}

} // namespace ImportFixtures
