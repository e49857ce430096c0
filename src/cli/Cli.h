// SPDX-License-Identifier: MIT
#pragma once
#include "cli/Json.h"

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
    // The value after --name in args (removing both), or empty.
    QString takeOption(const QString &name);
    bool takeFlag(const QString &name);
    // All values of a repeated option (--set A=1 --set B=2).
    QStringList takeAll(const QString &name);
};

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
