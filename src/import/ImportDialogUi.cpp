// SPDX-License-Identifier: MIT
#include "import/ImportDialogUi.h"

#include <QCloseEvent>
#include <QPushButton>

void ImportDialog::setRunning(bool running)
{
    m_running = running;
    for (QPushButton *b : std::as_const(m_held)) {
        if (running) {
            b->setProperty("enabledBefore", b->isEnabled());
            b->setEnabled(false);
        } else {
            b->setEnabled(b->property("enabledBefore").toBool());
        }
    }
}

void ImportDialog::closeEvent(QCloseEvent *event)
{
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void ImportDialog::reject()
{
    if (!m_running)
        QDialog::reject();
}
