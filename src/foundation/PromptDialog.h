// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class QLineEdit;

// A small modal text prompt: a word-wrapped prompt, a one-line box of at most 255
// characters (masked when a mask character is given) with the default text selected,
// and the buttons "OK" (Enter) and "Cancel" (Escape).
class PromptDialog : public QDialog
{
    Q_OBJECT
public:
    PromptDialog(QWidget *parent, const QString &title, const QString &prompt,
                 const QString &defaultText, QChar mask);
    QString text() const;
    QLineEdit *edit() const { return m_edit; }

    // Shows the dialog; true and *text on OK, false (text untouched) on Cancel.
    static bool run(QWidget *parent, const QString &title, const QString &prompt,
                    const QString &defaultText, QChar mask, QString *text);

private:
    QLineEdit *m_edit;
};
