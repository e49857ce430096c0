// SPDX-License-Identifier: MIT
#include "readers/ShouRuCountUt.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SharedConnection.h"
#include "readers/IncomeJournal.h"
#include "readers/IncomeReport.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TShouRuCountFm::TShouRuCountFm(SharedConnection &db, LoginSession &, QWidget *parent)
    : DateRangeListWindow(db, parent)
{
    createGrid();
    setObjectName(QStringLiteral("ShouRuCountFm"));
    setWindowTitle(QStringLiteral("资金统计"));
    createRange(this, QDate(2000, 1, 1), DayClock::today().addDays(1));

    auto *top = new QHBoxLayout;
    addRange(top, this);
    top->addWidget(Button1);
    top->addStretch();
    top->addWidget(Button2);
    top->addWidget(Button3);
    top->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(dxDBGrid1, 1);
    resize(860, 520);

    dxDBGrid1->setColumns({GridColumn("id"), GridColumn("项目"), GridColumn("时间").dateTime(), GridColumn("读者编号"),
                           GridColumn("读者姓名"), GridColumn("金额").money().sum(), GridColumn("管理员"),
                           GridColumn("备注")});
    dxDBGrid1->setKeyField(QStringLiteral("id"));

    connect(Button1, &QPushButton::clicked, this, &TShouRuCountFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TShouRuCountFm::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);

    openList(IncomeJournal::allStatement());
}

void TShouRuCountFm::openList(const QString &sql, const QVariantList &values)
{
    try {
        dxDBGrid1->open(m_db, sql, values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TShouRuCountFm::Button1Click()
{
    openList(IncomeJournal::rangeStatement(),
             IncomeJournal::rangeValues(DateTimePicker1->date(), DateTimePicker2->date()));
}

void TShouRuCountFm::Button2Click()
{
    if (!dxDBGrid1->isOpen())
        return;
    IncomeReport report;
    try {
        QSqlQuery q = dxDBGrid1->exportQuery();
        report.addEntries(q);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    ReportPreviewDialog::preview(report, QStringLiteral("资金统计"), this);
}
