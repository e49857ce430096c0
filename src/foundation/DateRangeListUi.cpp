// SPDX-License-Identifier: MIT
#include "foundation/DateRangeListUi.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/WindowPartsUi.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

DateRangeListWindow::DateRangeListWindow(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
}

void DateRangeListWindow::createGrid()
{
    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
}

void DateRangeListWindow::createRange(QWidget *owner, const QDate &from, const QDate &to)
{
    using WindowParts::button;
    DateTimePicker1 = WindowParts::dateBox(owner, "DateTimePicker1", from);
    DateTimePicker2 = WindowParts::dateBox(owner, "DateTimePicker2", to);
    Button1 = button(owner, "Button1", QStringLiteral("统计"));
    Button2 = button(owner, "Button2", QStringLiteral("打印"));
    Button3 = button(owner, "Button3", QStringLiteral("Excel"));
    Button4 = button(owner, "Button4", QStringLiteral("返回"));
    connect(Button3, &QPushButton::clicked, this,
            [this] { ExcelExportUi::exportGrid(this, *dxDBGrid1, windowTitle()); });
}

void DateRangeListWindow::addRange(QBoxLayout *row, QWidget *owner)
{
    row->addWidget(new QLabel(QStringLiteral("从"), owner));
    row->addWidget(DateTimePicker1);
    row->addWidget(new QLabel(QStringLiteral("到"), owner));
    row->addWidget(DateTimePicker2);
}
