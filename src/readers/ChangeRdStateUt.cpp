// SPDX-License-Identifier: MIT
#include "readers/ChangeRdStateUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "readers/ReaderFormUi.h"
#include "readers/ReaderRegistry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TChangeRdStateFm::TChangeRdStateFm(SharedConnection &db, LoginSession &session, const QString &readerNumber,
                                   QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session), m_number(readerNumber)
{
    setObjectName(QStringLiteral("ChangeRdStateFm"));
    setWindowTitle(QStringLiteral("更改状态"));
    using WindowParts::lineEdit;
    DBEdit1 = lineEdit(this, "DBEdit1", true);
    DBEdit2 = lineEdit(this, "DBEdit2", true);
    DBEdit3 = lineEdit(this, "DBEdit3", true);
    DBComboBox1 = new QComboBox(this);
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->addItems({QStringLiteral("正常"), QStringLiteral("停用")});
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button1 = WindowParts::button(this, "Button1", QStringLiteral("保存"));
    Button2 = WindowParts::button(this, "Button2", QStringLiteral("取消"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("读者编号"), DBEdit1);
    form->addRow(QStringLiteral("读者姓名"), DBEdit2);
    form->addRow(QStringLiteral("性别"), DBEdit3);
    form->addRow(QStringLiteral("状态"), DBComboBox1);
    form->addRow(QStringLiteral("备注"), Memo1);
    ReaderFormUi::layOut(this, form, Button1, Button2);
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
