// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class SharedConnection;

// The clean-up of the system menu: chosen tables emptied behind the maintenance
// password, all chosen deletions in one transaction.
class DataCleanup
{
public:
    enum class Part { Books, Periodicals, Readers, AllLoans, Income, ReturnedLoans, AdminLog, Publishers };

    struct Step {
        Part part;
        QString box;       // the check box caption
        QString name;      // the short name bookctl takes
        QString statement; // with ? for its values
        QVariantList values;
        QString message;   // shown when it is done
    };
    // The eight deletions in the order they run.
    static const QList<Step> &steps();
    // The part a bookctl name stands for; false when unknown.
    static bool partNamed(const QString &name, Part *part);

    static bool passwordAccepted(const QString &typed);
    static QString wrongPassword() { return QStringLiteral("密码错误!"); }

    struct Result {
        bool ok = false;
        QStringList messages; // one per deletion done, in order
        QString error;        // "密码错误!" or the database's message
    };
    // Runs the chosen deletions in the order of steps(), all or nothing.
    static Result run(const SharedConnection &db, const QString &password, const QList<Part> &chosen);
};
