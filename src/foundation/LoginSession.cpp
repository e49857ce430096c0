// SPDX-License-Identifier: MIT
#include "foundation/LoginSession.h"

#include <QStringList>

const QStringList &Rights::names()
{
    static const QStringList list{
        QStringLiteral("qxadmin"),  QStringLiteral("qxdel"),    QStringLiteral("qxbk"),
        QStringLiteral("qxrd"),     QStringLiteral("qxqk"),     QStringLiteral("qxwp"),
        QStringLiteral("qxbkxg"),   QStringLiteral("qxrdxg"),   QStringLiteral("qxqkxg"),
        QStringLiteral("qxwpxg"),   QStringLiteral("qxborrow"), QStringLiteral("qxreturn"),
        QStringLiteral("qxsysset"), QStringLiteral("qxadddata"), QStringLiteral("qxModifyStock")};
    return list;
}

static bool Rights::*const kMembers[] = {
    &Rights::qxadmin,  &Rights::qxdel,    &Rights::qxbk,     &Rights::qxrd,      &Rights::qxqk,
    &Rights::qxwp,     &Rights::qxbkxg,   &Rights::qxrdxg,   &Rights::qxqkxg,    &Rights::qxwpxg,
    &Rights::qxborrow, &Rights::qxreturn, &Rights::qxsysset, &Rights::qxadddata, &Rights::qxModifyStock};

bool Rights::value(int index) const
{
    return this->*kMembers[index];
}

void Rights::setValue(int index, bool on)
{
    this->*kMembers[index] = on;
}

LoginSession &LoginSession::current()
{
    static LoginSession session;
    return session;
}
