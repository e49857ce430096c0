// SPDX-License-Identifier: MIT
#pragma once
#include "circulation/BoundQuery.h"

#include <QDate>
#include <QString>

// The two read-only views of open loans.
namespace OpenLoans {
// Every open loan due on or before the day (loans due today included), by id.
BoundQuery overdue(const QDate &today);
// The open loans of one reader, by id; an empty number lists nothing.
BoundQuery ofReader(const QString &reader);
} // namespace OpenLoans
