// SPDX-License-Identifier: MIT
#include "reftables/a1Ut.h"
#include "foundation/LoginSession.h"

Ta1Fm::Ta1Fm(const SharedConnection &db, const LoginSession &session, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::a1(), session.switches.a1Caption, parent), m_session(session)
{
    setObjectName(QStringLiteral("a1Fm"));
}

void Ta1Fm::showEvent(QShowEvent *event)
{
    setWindowTitle(m_session.switches.a1Caption);
    CodeTableEditorWidget::showEvent(event);
}
