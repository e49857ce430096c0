// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/ListStatement.h"

#include <QDate>
#include <QStringList>

class SqlDialect;

// The list statements of the book and periodical management windows. Field names the
// operator can type are checked against the table's columns (without regard to case)
// and written as the schema spells them; operators come from a fixed list; every value
// is bound.
namespace CatalogueSearch {

// Opening the book list: the first 2000 books in the order of the first two columns.
ListStatement booksOpening(const SqlDialect &dialect);
// "显示全部" of a table (图书 or 期刊).
ListStatement all(const QString &table);
// The 100 most recently registered books, newest first (after a registration).
ListStatement booksRecent(const SqlDialect &dialect);

// The message for a typed field the table lacks.
QString unknownFieldMessage(const QString &table, const QString &field);

// The one-field search of book management: an empty field is 编号; an empty value
// (trimmed) without the date range is "请填写好查询条件!"; with the range and no value
// every book registered from `from` to midnight at the start of `to`, unordered; else
// the field matched exactly or as a substring (within the range when given), ordered
// by the first two columns.
struct BookQuery {
    QString field;
    QString value;
    bool exact = false;
    bool dateRange = false;
    QDate from, to;
};
SearchBuild books(const BookQuery &query);

// The combined search: two conditions (field, operator of operators(), value), the
// second used only when its field and trimmed value are both filled, and a sort field
// of sortFields() with "asc" or "desc". An empty first field or value builds nothing.
struct Condition {
    QString field;
    QString op;
    QString value;
};
const QStringList &operators();
const QStringList &sortFields();
SearchBuild booksCombined(const Condition &first, const Condition &second, const QString &sortField,
                          const QString &direction);

// The periodical search: field and value (not trimmed) both filled, else
// "请填写好查询条件!"; exact or substring; no order, no date range.
SearchBuild periodicals(const QString &field, const QString &value, bool exact);

} // namespace CatalogueSearch
