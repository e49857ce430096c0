// SPDX-License-Identifier: MIT
#pragma once
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class TestDatabase;

// bookctl run as a process of its own: its exit status and what it printed.
struct BookCtlRun {
    int status = -1;          // -1 when it did not end within a minute
    QString out;              // standard output, without the final line break
    QJsonObject json;         // the output read as one JSON object
    QList<QJsonObject> lines; // each output line read as an object (marc prints several)
    QJsonObject last() const { return lines.value(lines.size() - 1); }
};

BookCtlRun runBookCtl(const QStringList &args);
// Against the test database, with the clock's date set to `today` (yyyy-mm-dd).
BookCtlRun runBookCtl(const TestDatabase &t, const QStringList &args, const QString &today);
