// SPDX-License-Identifier: MIT
#include "foundation/PromptDialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PromptDialog::PromptDialog(QWidget *parent, const QString &title, const QString &prompt,
                           const QString &defaultText, QChar mask)
    : QDialog(parent), m_edit(new QLineEdit(this))
{
    setWindowTitle(title);
    QFont f = font();
    f.setPointSize(10);
    setFont(f);
    auto *label = new QLabel(prompt, this);
    label->setWordWrap(true);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMaxLength(255);
    m_edit->setText(defaultText);
    m_edit->selectAll();
    if (!mask.isNull())
        m_edit->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    setMinimumWidth(QFontMetrics(f).averageCharWidth() * 40);
}

QString PromptDialog::text() const
{
    return m_edit->text();
}

bool PromptDialog::run(QWidget *parent, const QString &title, const QString &prompt,
                       const QString &defaultText, QChar mask, QString *text)
{
    PromptDialog dialog(parent, title, prompt, defaultText, mask);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (text)
        *text = dialog.text();
    return true;
}
