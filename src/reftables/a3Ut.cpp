// SPDX-License-Identifier: MIT
#include "reftables/a3Ut.h"
#include "foundation/LoginSession.h"

Ta3Fm::Ta3Fm(const SharedConnection &db, const LoginSession &session, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::a3(), session.switches.a3Caption, parent), m_session(session)
{
    setObjectName(QStringLiteral("a3Fm"));
}

void Ta3Fm::showEvent(QShowEvent *event)
{
    setWindowTitle(m_session.switches.a3Caption);
    CodeTableEditorWidget::showEvent(event);
}
