// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Reading values back from either engine: SQLite returns dates and date-times as text
// and yes/no as 0/1; PostgreSQL returns QDate, QDateTime and bool.
namespace SqlValues {
QDate toDate(const QVariant &v);
QDateTime toDateTime(const QVariant &v);
bool toBool(const QVariant &v);
// Texts for display and JSON: "yyyy-MM-dd" and "yyyy-MM-dd hh:mm:ss".
QString dateText(const QVariant &v);
QString dateTimeText(const QVariant &v);

// A substring match: likeContains() follows the compared term ("F" + likeContains()) and
// containsPattern(text) is its bound value "%text%". A typed % or _ stays a wildcard, as
// in the original statements; every other character, a backslash too, matches itself on
// both engines (PostgreSQL reads a backslash in a pattern as an escape unless told
// otherwise, SQLite does not).
QString likeContains();
QString containsPattern(const QString &text);
}
