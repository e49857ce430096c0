// SPDX-License-Identifier: MIT
#include "circulation/BorrowPickerUt.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBorrowPickerBase::TBorrowPickerBase(SharedConnection &db, const QString &firstLabel, const QString &secondLabel,
                                     QWidget *parent)
    : QDialog(parent), m_db(db), Edit1(new QLineEdit(this)), Edit2(new QLineEdit(this)),
      DBGrid1(new GridWidget(this)), Button1(new QPushButton(QStringLiteral("选择(&S)"), this)),
      Button2(new QPushButton(QStringLiteral("返回(&R)"), this))
{
    setWindowTitle(QStringLiteral("选择"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    // Enter in a box searches; it must not also press a button.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    auto *first = new QLabel(firstLabel, this);
    first->setBuddy(Edit1);
    auto *second = new QLabel(secondLabel, this);
    second->setBuddy(Edit2);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(first);
    boxes->addWidget(Edit1, 1);
    boxes->addWidget(second);
    boxes->addWidget(Edit2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    resize(760, 460);

    connect(Edit1, &QLineEdit::returnPressed, this, [this] { Edit1Enter(); });
    connect(Edit2, &QLineEdit::returnPressed, this, [this] { Edit2Enter(); });
    connect(DBGrid1, &GridWidget::rowActivated, this, &TBorrowPickerBase::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &TBorrowPickerBase::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TBorrowPickerBase::list(const BoundQuery &query)
{
    try {
        DBGrid1->open(m_db, query.sql, query.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBorrowPickerBase::Button1Click()
{
    if (DBGrid1->currentRow() < 0)
        return;
    m_chosen = DBGrid1->value(chosenField()).toString();
    accept();
}
