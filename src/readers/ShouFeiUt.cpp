// SPDX-License-Identifier: MIT
#include "readers/ShouFeiUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "readers/AmountBoxUi.h"
#include "readers/IncomeJournal.h"
#include "readers/ReaderFormUi.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TShouFeiFm::TShouFeiFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("ShouFeiFm"));
    setWindowTitle(QStringLiteral("收费"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(IncomeJournal::chargeItems());
    ComboBox1->setCurrentText(QStringLiteral("租金"));
    Edit1 = WindowParts::lineEdit(this, "Edit1");
    makeAmountBox(Edit1);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(60);
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = WindowParts::button(this, "Button2", QStringLiteral("取消")); // Enter presses 确定

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("项目"), ComboBox1);
    form->addRow(QStringLiteral("金额"), Edit1);
    form->addRow(QStringLiteral("备注"), Memo1);
    ReaderFormUi::layOut(this, form, Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, &TShouFeiFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TShouFeiFm::Button1Click()
{
    try {
        // No check of the amount: an empty box or 0 journals 0.
        IncomeJournal::charge(m_db, ComboBox1->currentText(), Money::fromText(Edit1->text()), Memo1->toPlainText(),
                              m_session.OperatorName);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    accept(); // hidden, not destroyed
}
