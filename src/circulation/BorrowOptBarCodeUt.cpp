// SPDX-License-Identifier: MIT
#include "circulation/BorrowOptBarCodeUt.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TBorrowOptBarCodeFm::TBorrowOptBarCodeFm(SharedConnection &db, ItemTable table, ItemKey key, const QString &value,
                                         QWidget *parent)
    : QDialog(parent), DBGrid1(new GridWidget(this)), Button1(new QPushButton(QStringLiteral("选择(&S)"), this)),
      Button2(new QPushButton(QStringLiteral("返回(&R)"), this))
{
    setObjectName(QStringLiteral("BorrowOptBarCodeFm"));
    setWindowTitle(QStringLiteral("选择"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    DBGrid1->setColumns(GridColumn::fromFields({QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("分类"),
                                                QStringLiteral("条形码"), QStringLiteral("存放位置"),
                                                QStringLiteral("出版社")}));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    resize(680, 320);

    // The same rows as the counter found, in the same order.
    const BoundQuery query = LendingItems::findQuery(table, key, value);
    try {
        DBGrid1->open(db, query.sql, query.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    connect(DBGrid1->view(), &QTableView::clicked, this, &TBorrowOptBarCodeFm::choose);
    connect(DBGrid1, &GridWidget::rowActivated, this, &TBorrowOptBarCodeFm::choose);
    connect(Button1, &QPushButton::clicked, this, &TBorrowOptBarCodeFm::choose);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    DBGrid1->view()->setFocus();
}

void TBorrowOptBarCodeFm::choose()
{
    if (DBGrid1->currentRow() < 0)
        return;
    m_chosen = DBGrid1->value(QStringLiteral("编号")).toString();
    accept();
}
