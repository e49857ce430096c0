// SPDX-License-Identifier: MIT
#pragma once
#include "reftables/CodeTableEditorWidget.h"

class LoginSession;

// The list a1, whose caption the library chooses (系统设置.a1); the window takes that
// caption from the session each time it is shown.
class Ta1Fm : public CodeTableEditorWidget
{
    Q_OBJECT
public:
    Ta1Fm(const SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    const LoginSession &m_session;
};
