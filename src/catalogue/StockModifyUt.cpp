// SPDX-License-Identifier: MIT
#include "catalogue/StockModifyUt.h"
#include "catalogue/BookEditing.h"
#include "catalogue/RowEdit.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TStockModifyFm::TStockModifyFm(SharedConnection &db, LoginSession &session, RowEdit &row, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_db(db), m_session(session),
      m_row(row)
{
    setObjectName(QStringLiteral("StockModifyFm"));
    setWindowTitle(QStringLiteral("销售库存修改"));
    Edit1 = new QLineEdit(m_row.text(QStringLiteral("数量")), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    auto *box = new QHBoxLayout;
    box->addWidget(new QLabel(QStringLiteral("库存:"), this));
    box->addWidget(Edit1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(box);
    layout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &TStockModifyFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TStockModifyFm::Button2Click);
}

bool TStockModifyFm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::MouseButtonRelease)
        Edit1->selectAll();
    return QDialog::eventFilter(watched, event);
}

void TStockModifyFm::Button1Click()
{
    const QString message = BookEditing::correctStock(m_db, m_row, Edit1->text(), m_session.OperatorName);
    if (!message.isEmpty()) {
        Messages::warn(this, message);
        return;
    }
    m_closing = true;
    accept();
}

void TStockModifyFm::Button2Click()
{
    m_row.cancel();
    m_closing = true;
    QDialog::reject();
}

void TStockModifyFm::reject()
{
    if (m_closing)
        QDialog::reject();
}

void TStockModifyFm::closeEvent(QCloseEvent *event)
{
    if (m_closing)
        event->accept();
    else
        event->ignore();
}
