// SPDX-License-Identifier: MIT
#include "reftables/a2Ut.h"
#include "foundation/LoginSession.h"

Ta2Fm::Ta2Fm(const SharedConnection &db, const LoginSession &session, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::a2(), session.switches.a2Caption, parent), m_session(session)
{
    setObjectName(QStringLiteral("a2Fm"));
}

void Ta2Fm::showEvent(QShowEvent *event)
{
    setWindowTitle(m_session.switches.a2Caption);
    CodeTableEditorWidget::showEvent(event);
}
