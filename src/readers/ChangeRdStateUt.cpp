// SPDX-License-Identifier: MIT
#include "readers/ChangeRdStateUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "readers/ReaderRegistry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChangeRdStateFm::TChangeRdStateFm(SharedConnection &db, LoginSession &session, const QString &readerNumber,
                                   QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session), m_number(readerNumber)
{
    setObjectName(QStringLiteral("ChangeRdStateFm"));
    setWindowTitle(QStringLiteral("更改状态"));
    auto readOnly = [this](const char *name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(true);
        return e;
    };
    DBEdit1 = readOnly("DBEdit1");
    DBEdit2 = readOnly("DBEdit2");
    DBEdit3 = readOnly("DBEdit3");
    DBComboBox1 = new QComboBox(this);
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->addItems({QStringLiteral("正常"), QStringLiteral("停用")});
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button1 = new QPushButton(QStringLiteral("保存"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("读者编号"), DBEdit1);
    form->addRow(QStringLiteral("读者姓名"), DBEdit2);
    form->addRow(QStringLiteral("性别"), DBEdit3);
    form->addRow(QStringLiteral("状态"), DBComboBox1);
    form->addRow(QStringLiteral("备注"), Memo1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // Enter (a scanner ends with it) must not press a button of its own accord.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);
    ReaderForm reader;
    try {
        if (ReaderRegistry::load(db, readerNumber, &reader)) {
            DBEdit1->setText(reader.number);
            DBEdit2->setText(reader.name);
            DBEdit3->setText(reader.sex);
            DBComboBox1->setCurrentText(reader.state);
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    connect(Button1, &QPushButton::clicked, this, &TChangeRdStateFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TChangeRdStateFm::Button1Click()
{
    try {
        ReaderRegistry::changeState(m_db, m_number, DBEdit2->text(), DBComboBox1->currentText(), Memo1->toPlainText(),
                                    m_session.OperatorName);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    accept();
}
