// SPDX-License-Identifier: MIT
#include "readers/RdChongZhiUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "readers/AmountBoxUi.h"
#include "readers/CardAccount.h"
#include "readers/ReaderRegistry.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TRdChongZhiFm::TRdChongZhiFm(SharedConnection &db, LoginSession &session, const QString &readerNumber,
                             QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("RdChongZhiFm"));
    setWindowTitle(QStringLiteral("卡内充值"));
    using WindowParts::button;
    using WindowParts::lineEdit;
    DBEdit1 = lineEdit(this, "DBEdit1", true);
    DBEdit2 = lineEdit(this, "DBEdit2", true);
    DBEdit3 = lineEdit(this, "DBEdit3", true);
    DBEdit4 = lineEdit(this, "DBEdit4", true);
    GroupBox1 = new QGroupBox(QStringLiteral("请输入读者编号后按回车"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Edit2 = lineEdit(GroupBox1, "Edit2");
    Button3 = button(GroupBox1, "Button3", QStringLiteral("ok"));
    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Edit1 = lineEdit(GroupBox2, "Edit1");
    makeAmountBox(Edit1);
    Memo1 = new QPlainTextEdit(GroupBox2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(60);
    CheckBox1 = new QCheckBox(QStringLiteral("退款(充入负值)"), GroupBox2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = button(this, "Button1", QStringLiteral("确定"));
    Button2 = button(this, "Button2", QStringLiteral("返回"));

    auto *reader = new QFormLayout;
    reader->addRow(QStringLiteral("读者编号"), DBEdit1);
    reader->addRow(QStringLiteral("读者姓名"), DBEdit2);
    reader->addRow(QStringLiteral("性别"), DBEdit3);
    reader->addRow(QStringLiteral("卡内金额"), DBEdit4);
    auto *lookup = new QHBoxLayout(GroupBox1);
    lookup->addWidget(Edit2, 1);
    lookup->addWidget(Button3);
    auto *amount = new QFormLayout(GroupBox2);
    amount->addRow(QStringLiteral("金额"), Edit1);
    amount->addRow(QStringLiteral("备注"), Memo1);
    amount->addRow(QString(), CheckBox1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(reader);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addLayout(buttons);

    connect(Button3, &QPushButton::clicked, this, &TRdChongZhiFm::Button3Click);
    connect(Edit2, &QLineEdit::returnPressed, this, &TRdChongZhiFm::Button3Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TRdChongZhiFm::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &TRdChongZhiFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    Edit1->setText(QStringLiteral("0"));
    CheckBox1->setChecked(false);
    Edit2->setText(readerNumber);
    Button3Click();
}

void TRdChongZhiFm::Button3Click()
{
    ReaderForm reader;
    bool found = false;
    try {
        found = ReaderRegistry::load(m_db, Edit2->text(), &reader);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    m_found = found ? reader.number : QString();
    DBEdit1->setText(reader.number);
    DBEdit2->setText(reader.name);
    DBEdit3->setText(found ? reader.sex : QString());
    DBEdit4->setText(found ? reader.balance : QString());
    if (!found) {
        Messages::warn(this, QStringLiteral("没有找到对应的记录!"));
        return;
    }
    Edit1->setFocus();
    Edit1->selectAll();
}

void TRdChongZhiFm::Button1Click()
{
    if (m_found.isEmpty())
        return;
    const Money typed = CardAccount::amountOf(Edit1->text(), false);
    if (typed.isZero()) {
        Messages::warn(this, QStringLiteral("不能充0元!"));
        Edit1->setFocus();
        Edit1->selectAll();
        return;
    }
    const QString typedText = Edit1->text();
    if (CheckBox1->isChecked())
        Edit1->setText(QStringLiteral("-") + typedText.trimmed());
    const Money amount = CheckBox1->isChecked() ? -typed : typed;
    CardAccount::Outcome o;
    try {
        o = CardAccount::topUp(m_db, m_found, amount, Memo1->toPlainText(), m_session.OperatorName);
    } catch (const DatabaseError &e) {
        o.message = e.message();
    }
    if (!o.ok) {
        // Nothing was written; the box gets back what was typed, so that a second try
        // is not turned round by the sign put in front of it.
        Edit1->setText(typedText);
        Messages::warn(this, o.message);
        return;
    }
    DBEdit4->setText(o.balance.toString());
    Messages::info(this, QStringLiteral("充值成功!"));
    Edit1->setText(QStringLiteral("0"));
    Edit1->selectAll();
    accept();
}
