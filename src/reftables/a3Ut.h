// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

class LoginSession;

// The list a3, whose caption the library chooses (系统设置.a3); the window takes that
// caption from the session each time it is shown.
class Ta3Fm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    Ta3Fm(const SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    const LoginSession &m_session;
};
