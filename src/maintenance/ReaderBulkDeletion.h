// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>

class SharedConnection;
class SqlDialect;

// Which readers the bulk deletion takes: each ticked box with its choice.
struct ReaderChoice {
    bool byFaculty = false;
    QString 院系;
    bool byClass = false;
    QString 班级;
    bool byUnit = false;
    QString 单位部门;
};

// The bulk deletion of readers of a faculty, a class and/or a department. Every
// reader of the choice is matched, with or without a card; a choice with no box
// ticked matches every reader. The caller shows count() and deletes after a Yes.
class ReaderBulkDeletion
{
public:
    // The lists of the three boxes: the first column of 院系, 班级 and 单位名称.
    static QStringList faculties(const SharedConnection &db);
    static QStringList classes(const SharedConnection &db);
    static QStringList units(const SharedConnection &db);

    // False when a ticked box has no choice (empty after trimming).
    static bool complete(const ReaderChoice &choice);

    // The statement as the operator is shown it, with the dialect's quote characters.
    static QString statementText(const SqlDialect &dialect, const ReaderChoice &choice);

    // The readers the choice matches. Throws DatabaseError.
    static int count(const SharedConnection &db, const ReaderChoice &choice);
    // Deletes them in one transaction; returns how many. Throws DatabaseError.
    static int run(const SharedConnection &db, const ReaderChoice &choice);

    // The question before the deletion.
    static QString question(const QString &statement, int count);

private:
    static QString condition(const ReaderChoice &choice, QVariantList *values, const QString &quote,
                             bool bound);
};
