// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QList>

class QPushButton;

// An import window whose long work (reading a file, inserting rows) runs to its end once
// started: while it runs, the window's buttons are held and closing or Escape is ignored.
class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // The buttons held while the work runs.
    void holdWhileRunning(const QList<QPushButton *> &buttons) { m_held = buttons; }
    // Holds the buttons, or gives each back the state it had before.
    void setRunning(bool running);
    bool isRunning() const { return m_running; }

    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QList<QPushButton *> m_held;
    bool m_running = false;
};
