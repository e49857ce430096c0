// SPDX-License-Identifier: MIT
#pragma once
#include "cli/Json.h"
#include "foundation/LoginSession.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

class SharedConnection;

// What a command gets: its arguments after the command name, the open database (for
// commands that need one) and a way to print its one JSON line.
struct CliContext {
    QStringList args;
    SharedConnection *db = nullptr;
    QString connectionString; // as chosen by the global options or de.ini

    // Prints the object; returns the exit status for it (0).
    int done(const JsonObject &object) const;
    // Prints {"ok":false,"message":…[,"messages":[…]]}; returns 1.
    int refuse(const QString &message, const QStringList &messages = {}) const;
    // Prints the usage text to standard error; returns 2.
    int usage(const QString &text) const;
    // Prints {"ok":true,"rows":[…]}; returns 0.
    int doneRows(const QList<JsonObject> &rows) const;
    // The value after --name in args (removing both), or empty.
    QString takeOption(const QString &name);
    // The same for an option that may be given empty: false when --name is absent.
    bool takeOption(const QString &name, QString *value);
    bool takeFlag(const QString &name);
    // All values of a repeated option (--set A=1 --set B=2).
    QStringList takeAll(const QString &name);
    // A pair of day options (--from/--to): both or neither. False when one is given and
    // the two are not both yyyy-mm-dd days; *given tells whether either was.
    bool takeDays(const QString &fromName, const QString &toName, bool *given, QDate *from, QDate *to);

    // Acts for the named operator in LoginSession::current() as SignIn::actAs does and,
    // when a right is named, checks that the operator has it. Returns the refusal
    // ("没有权限!" for a missing right), or empty text. Throws DatabaseError.
    QString actAs(const QString &name, bool Rights::*right = nullptr) const;
};

// Days as the commands read and print them: yyyy-mm-dd.
bool readDay(const QString &text, QDate *day);
QString dayText(const QDate &day);

enum class NeedsDatabase { No, Yes, Creates };

struct CliCommand {
    QString name;
    QString usage;
    NeedsDatabase database;
    std::function<int(CliContext &)> run;
};

// Every command. Each group of commands lives in a file of its own in this folder and
// adds itself with a CliRegistration at namespace scope:
//   static const CliRegistration registration(QList<CliCommand>{...});
const QList<CliCommand> &cliCommands();

struct CliRegistration {
    explicit CliRegistration(const QList<CliCommand> &commands);
};
