// SPDX-License-Identifier: MIT
#include "circulation/BorrowRdJieYueJiLuUt.h"
#include "circulation/OpenLoans.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TBorrowRdJieYueJiLuFm::TBorrowRdJieYueJiLuFm(SharedConnection &db, const QString &readerNumber, QWidget *parent)
    : QDialog(parent), DBGrid1(new GridWidget(this)), Button1(new QPushButton(QStringLiteral("ok"), this))
{
    setObjectName(QStringLiteral("BorrowRdJieYueJiLuFm"));
    setWindowTitle(QStringLiteral("读者未还信息显示"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    DBGrid1->setColumns({GridColumn("读者编号"), GridColumn("读者姓名"), GridColumn("名称"), GridColumn("编号"),
                         GridColumn("条形码"), GridColumn("附件"), GridColumn("借阅日期").date(),
                         GridColumn("应还日期").date(), GridColumn("价格").money()});
    DBGrid1->setKeyField(QStringLiteral("id"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    resize(760, 360);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    const BoundQuery q = OpenLoans::ofReader(readerNumber);
    try {
        DBGrid1->open(db, q.sql, q.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
