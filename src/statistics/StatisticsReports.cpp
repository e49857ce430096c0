// SPDX-License-Identifier: MIT
#include "statistics/StatisticsReports.h"
#include "foundation/DayClock.h"

namespace StatisticsReports {

QStringList loanRecordFields()
{
    return {QStringLiteral("id"),   QStringLiteral("读者编号"), QStringLiteral("读者姓名"), QStringLiteral("编号"),
            QStringLiteral("名称"), QStringLiteral("类别"),     QStringLiteral("借阅日期"), QStringLiteral("已还")};
}

QString loanTotalsText(const Money &price, const Money &rent, const Money &compensation)
{
    return QStringLiteral(" 价格合计:") + price.toString(2) + QStringLiteral("  实际租金合计: ") + rent.toString(2)
           + QStringLiteral("  赔偿金额合计: ") + compensation.toString(2);
}

std::unique_ptr<ListReport> loanRecords(const QList<QStringList> &rows, const Money &price, const Money &rent,
                                        const Money &compensation)
{
    auto report = std::make_unique<ListReport>();
    report->setTitle(QStringLiteral("借阅信息"));
    report->setPrintedAt(DayClock::now());
    report->addColumn(QStringLiteral("顺序号"), 0.8, Qt::AlignRight);
    report->addColumn(QStringLiteral("读者编号"), 1.2);
    report->addColumn(QStringLiteral("读者姓名"), 1.2);
    report->addColumn(QStringLiteral("编号"), 1.2);
    report->addColumn(QStringLiteral("名称"), 2.6);
    report->addColumn(QStringLiteral("类别"), 0.8);
    report->addColumn(QStringLiteral("借阅日期"), 1.3);
    report->addColumn(QStringLiteral("已还"), 0.6);
    report->setRows(rows);
    report->setTotalsText(loanTotalsText(price, rent, compensation));
    return report;
}

std::unique_ptr<ListReport> classTotals(const QList<QStringList> &rows)
{
    auto report = std::make_unique<ListReport>();
    report->setTitle(QStringLiteral("分类统计"));
    report->setPrintedAt(DayClock::now());
    report->addColumn(QStringLiteral("分类"), 2);
    report->addColumn(QStringLiteral("数量"), 1, Qt::AlignRight);
    report->addColumn(QStringLiteral("金额"), 1.5, Qt::AlignRight);
    report->setRows(rows);
    return report;
}

} // namespace StatisticsReports
