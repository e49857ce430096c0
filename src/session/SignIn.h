// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

class LoginSession;
class SharedConnection;

// The sign-in of an operator and what the sign-in window shows before it.
namespace SignIn {

// Warnings of the two version checks (empty when the database is of this version).
QStringList versionWarnings(const SharedConnection &db);
// Every AdminName in the order the database returns them.
QStringList operatorNames(const SharedConnection &db);
// True when the super administrator still has the factory password "8316".
bool hasFactoryPassword(const SharedConnection &db);

// Loads the switches of 系统设置 into the session (done at every attempt, before the
// password is checked). Throws DatabaseError when the row cannot be read.
void loadSwitches(const SharedConnection &db, LoginSession &session);

struct Result {
    bool ok = false;
    QString message; // "密码不正确!" on refusal
};
// Checks the name as typed (not trimmed) and the password, which compares exactly,
// letter case included; on success loads the rights and OperatorName.
Result signIn(const SharedConnection &db, LoginSession &session, const QString &typedName,
              const QString &password);

// For bookctl: acts for the named operator without a password, loading the switches,
// the rights and OperatorName as a sign-in would. Returns a refusal, or empty text.
QString actAs(const SharedConnection &db, LoginSession &session, const QString &name);

} // namespace SignIn
