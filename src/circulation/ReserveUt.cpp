// SPDX-License-Identifier: MIT
#include "circulation/ReserveUt.h"
#include "circulation/Reservations.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TReserveFm::TReserveFm(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("ReserveFm"));
    setWindowTitle(QStringLiteral("读者预定信息"));
    DBGrid1 = new GridWidget(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({GridColumn("编号"), GridColumn("名称"), GridColumn("条形码"), GridColumn("预定状况"),
                         GridColumn("预定到期时间").dateTime()});
    DBGrid1->setKeyField(QStringLiteral("编号"));
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    Button2 = button("Button2", QStringLiteral("取消全部预定"));
    Button3 = button("Button3", QStringLiteral("刷新"));
    Button4 = button("Button4", QStringLiteral("退出"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(DBGrid1, 1);
    resize(720, 420);

    connect(Button2, &QPushButton::clicked, this, &TReserveFm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TReserveFm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    Button3Click();
}

void TReserveFm::Button2Click()
{
    try {
        Reservations::clearAll(m_db);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    Button3Click();
}

void TReserveFm::Button3Click()
{
    try {
        DBGrid1->open(m_db, Reservations::listQuery());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
