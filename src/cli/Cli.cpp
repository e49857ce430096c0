// SPDX-License-Identifier: MIT
#include "cli/Cli.h"
#include "session/SignIn.h"

#include <cstdio>

static void printLine(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int CliContext::done(const JsonObject &object) const
{
    printLine(object.toString());
    return 0;
}

int CliContext::refuse(const QString &message, const QStringList &messages) const
{
    JsonObject o;
    o.add(QStringLiteral("ok"), false).add(QStringLiteral("message"), message);
    if (!messages.isEmpty())
        o.addStrings(QStringLiteral("messages"), messages);
    printLine(o.toString());
    return 1;
}

int CliContext::doneRows(const QList<JsonObject> &rows) const
{
    JsonObject o;
    o.add(QStringLiteral("ok"), true).add(QStringLiteral("rows"), rows);
    return done(o);
}

int CliContext::usage(const QString &text) const
{
    std::fprintf(stderr, "用法: bookctl %s\n", text.toUtf8().constData());
    return 2;
}

QString CliContext::takeOption(const QString &name)
{
    const int i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return {};
    const QString value = args[i + 1];
    args.remove(i, 2);
    return value;
}

bool CliContext::takeOption(const QString &name, QString *value)
{
    if (!args.contains(name))
        return false;
    *value = takeOption(name);
    return true;
}

bool CliContext::takeFlag(const QString &name)
{
    return args.removeAll(name) > 0;
}

QStringList CliContext::takeAll(const QString &name)
{
    QStringList values;
    for (int i = args.indexOf(name); i >= 0 && i + 1 < args.size(); i = args.indexOf(name)) {
        values << args[i + 1];
        args.remove(i, 2);
    }
    return values;
}

bool CliContext::takeDays(const QString &fromName, const QString &toName, bool *given, QDate *from, QDate *to)
{
    const QString a = takeOption(fromName);
    const QString b = takeOption(toName);
    *given = !a.isEmpty() || !b.isEmpty();
    if (!*given)
        return true;
    return readDay(a, from) && readDay(b, to);
}

QString CliContext::actAs(const QString &name, bool Rights::*right) const
{
    LoginSession &session = LoginSession::current();
    const QString refusal = SignIn::actAs(*db, session, name);
    if (!refusal.isEmpty())
        return refusal;
    if (right && !(session.rights.*right))
        return QStringLiteral("没有权限!");
    return {};
}

static const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

bool readDay(const QString &text, QDate *day)
{
    *day = QDate::fromString(text, kDayFormat);
    return day->isValid();
}

QString dayText(const QDate &day)
{
    return day.toString(kDayFormat);
}

static QList<CliCommand> &registry()
{
    static QList<CliCommand> all;
    return all;
}

CliRegistration::CliRegistration(const QList<CliCommand> &commands)
{
    registry() << commands;
}

const QList<CliCommand> &cliCommands()
{
    return registry();
}
