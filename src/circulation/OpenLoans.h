// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QString>
#include <QVariantList>

class SharedConnection;

// A select with its bound values, ready for a grid or a command.
struct BoundQuery {
    QString sql;
    QVariantList values;
};

// The two read-only views of open loans.
namespace OpenLoans {
// Every open loan due on or before the day (loans due today included), by id.
BoundQuery overdue(const QDate &today);
// The open loans of one reader, by id; an empty number lists nothing.
BoundQuery ofReader(const QString &reader);
} // namespace OpenLoans
