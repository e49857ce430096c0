// SPDX-License-Identifier: MIT
#include "foundation/MessageBoxUi.h"
#include "foundation/PromptDialog.h"

#include <QMessageBox>

void MessageBoxSink::information(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::information(parent, title, text);
}

void MessageBoxSink::warning(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::warning(parent, title, text);
}

bool MessageBoxSink::question(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

bool MessageBoxSink::password(QWidget *parent, const QString &title, const QString &prompt,
                              QString *text)
{
    return PromptDialog::run(parent, title, prompt, QString(), QLatin1Char('*'), text);
}
