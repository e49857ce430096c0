// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Messages.h"

// The desktop program's message sink: QMessageBox and PromptDialog.
class MessageBoxSink : public MessageSink
{
public:
    void information(QWidget *parent, const QString &text, const QString &title) override;
    void warning(QWidget *parent, const QString &text, const QString &title) override;
    bool question(QWidget *parent, const QString &text, const QString &title) override;
    bool password(QWidget *parent, const QString &title, const QString &prompt, QString *text) override;
};
