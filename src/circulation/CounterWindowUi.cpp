// SPDX-License-Identifier: MIT
#include "circulation/CounterWindowUi.h"

void CounterWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        firstFocus();
    }
}

void CounterWindow::done(int result)
{
    QDialog::done(result);
    if (QDialog *other = partner(); other && other->isVisible())
        other->close();
}
