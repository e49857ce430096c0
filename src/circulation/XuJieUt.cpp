// SPDX-License-Identifier: MIT
#include "circulation/XuJieUt.h"
#include "circulation/RenewalDesk.h"
#include "foundation/DayClock.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TXuJieFm::TXuJieFm(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("XuJieFm"));
    setWindowTitle(QStringLiteral("续借"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    DateTimePicker1 = new QDateEdit(DayClock::today(), this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("确定"));
    Button2 = button("Button2", QStringLiteral("续借"));
    Button3 = button("Button3", QStringLiteral("取消"));
    Button4 = button("Button4", QStringLiteral("退出"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("读者编号:"), Edit1);
    form->addRow(QStringLiteral("书刊编号:"), Edit2);
    form->addRow(QString(), Button1);
    form->addRow(new QLabel(QStringLiteral("请选择应还日期"), this));
    form->addRow(QStringLiteral("应还日期"), DateTimePicker1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(Edit1, &QLineEdit::returnPressed, Edit2, [this] { Edit2->setFocus(); });
    connect(Edit2, &QLineEdit::returnPressed, this, &TXuJieFm::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &TXuJieFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TXuJieFm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TXuJieFm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);

    enableRenewal(false);
    Edit1->setFocus();
}

void TXuJieFm::enableRenewal(bool on)
{
    Button2->setEnabled(on);
    Button3->setEnabled(on);
}

void TXuJieFm::Button1Click()
{
    RenewalDesk::Found found;
    try {
        found = RenewalDesk::find(m_db, Edit1->text(), Edit2->text());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    if (!found.ok) {
        enableRenewal(false);
        Messages::warn(this, found.message);
        return;
    }
    m_loan = found.loan.id;
    if (found.loan.应还日期.isValid())
        DateTimePicker1->setDate(found.loan.应还日期);
    enableRenewal(true);
    DateTimePicker1->setFocus();
}

void TXuJieFm::Button2Click()
{
    QString message;
    bool renewed = false;
    try {
        renewed = RenewalDesk::renew(m_db, m_loan, DateTimePicker1->date(), &message);
    } catch (const DatabaseError &e) {
        message = e.message();
    }
    enableRenewal(false);
    if (!renewed) {
        Messages::warn(this, message);
        return;
    }
    Messages::info(this, message);
    accept();
}

void TXuJieFm::Button3Click()
{
    enableRenewal(false);
}
