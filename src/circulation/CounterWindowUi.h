// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

// The base of the two counter windows, lending and return, which stand side by side:
// each takes its first focus once it shows (focus set earlier does not take), and
// closing either closes the other.
class CounterWindow : public QDialog
{
    Q_OBJECT
protected:
    using QDialog::QDialog;

    // Where the focus goes when the window shows the first time.
    virtual void firstFocus() = 0;
    // The other counter window while it is open, or null.
    virtual QDialog *partner() const = 0;

    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    bool m_shown = false;
};
