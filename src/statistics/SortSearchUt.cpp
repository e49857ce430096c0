// SPDX-License-Identifier: MIT
#include "statistics/SortSearchUt.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "statistics/ClassTotals.h"
#include "statistics/StatisticsReports.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TSortSearchFM::TSortSearchFM(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("SortSearchFM"));
    setWindowTitle(QStringLiteral("分类统计"));
    WindowParts::startMaximized(this, QSize(800, 560));

    auto *top = new QGroupBox(this);
    ComboBox1 = new QComboBox(top);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->addItems({QStringLiteral("图书"), QStringLiteral("期刊")});
    ComboBox1->setCurrentText(QStringLiteral("图书"));
    using WindowParts::button;
    Button1 = button(top, "Button1", QStringLiteral("统计"));
    Button2 = button(top, "Button2", QStringLiteral("导出Excel"));
    Button3 = button(top, "Button3", QStringLiteral("打印"));
    Button4 = button(top, "Button4", QStringLiteral("退出"));
    auto *row = new QHBoxLayout(top);
    row->addWidget(new QLabel(QStringLiteral("统计范围:"), top));
    row->addWidget(ComboBox1);
    for (QPushButton *b : {Button1, Button2, Button3, Button4})
        row->addWidget(b);
    row->addStretch(1);

    DBGrid1 = new GridWidget(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({GridColumn("分类"), GridColumn("数量").number(), GridColumn("金额").money()});
    DBGrid1->setKeyField(QStringLiteral("分类"));
    // The grid takes the height below the top group.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(top);
    layout->addWidget(DBGrid1, 1);

    connect(Button1, &QPushButton::clicked, this, &TSortSearchFM::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSortSearchFM::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSortSearchFM::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::close);

    Button1Click(); // the books' totals
}

void TSortSearchFM::Button1Click()
{
    QString message;
    const QString table = ClassTotals::checkTable(ComboBox1->currentText(), &message);
    if (table.isEmpty()) {
        DBGrid1->close();
        Messages::warn(this, message);
        return;
    }
    try {
        DBGrid1->open(m_db, ClassTotals::statement(table));
    } catch (const DatabaseError &e) {
        DBGrid1->close();
        Messages::warn(this, e.message());
    }
}

void TSortSearchFM::Button2Click()
{
    if (DBGrid1->isOpen())
        ExcelExportUi::exportGrid(this, *DBGrid1, windowTitle());
}

std::unique_ptr<ListReport> TSortSearchFM::report() const
{
    return StatisticsReports::classTotals(
        DBGrid1->rowTexts({QStringLiteral("分类"), QStringLiteral("数量"), QStringLiteral("金额")}));
}

void TSortSearchFM::Button3Click()
{
    WindowParts::previewReport(this, *DBGrid1, [this] { return report(); });
}
