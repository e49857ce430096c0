// SPDX-License-Identifier: MIT
#include "session/ChangePwdUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "session/Administrators.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChangePwdFm::TChangePwdFm(const SharedConnection &db, const LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session), Label2(new QLabel(session.OperatorName, this)),
      Edit1(new QLineEdit(this)), Edit2(new QLineEdit(this)), Edit3(new QLineEdit(this)),
      Button1(new QPushButton(QStringLiteral("保存"), this)),
      Button2(new QPushButton(QStringLiteral("关闭"), this))
{
    setObjectName(QStringLiteral("ChangePwdFm"));
    setWindowTitle(QStringLiteral("修改密码"));
    Label2->setObjectName(QStringLiteral("Label2"));
    const QList<QLineEdit *> edits{Edit1, Edit2, Edit3};
    for (int i = 0; i < edits.size(); ++i) {
        edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edits[i]->setEchoMode(QLineEdit::Password);
        edits[i]->clear();
    }
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("管理员:"), Label2);
    form->addRow(QStringLiteral("旧密码:"), Edit1);
    form->addRow(QStringLiteral("新密码:"), Edit2);
    form->addRow(QStringLiteral("确认新密码:"), Edit3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TChangePwdFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TChangePwdFm::Button2Click);
}

void TChangePwdFm::Button1Click()
{
    try {
        const Administrators::PasswordChange result = Administrators::changePassword(
            m_db, m_session.OperatorName, Edit1->text(), Edit2->text(), Edit3->text());
        if (!result.ok) {
            Messages::warn(this, result.message);
            return;
        }
        Messages::info(this, result.message);
        accept();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TChangePwdFm::Button2Click()
{
    reject();
}
