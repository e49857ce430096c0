// SPDX-License-Identifier: MIT
#include "circulation/DueRecordUt.h"
#include "circulation/OpenLoans.h"
#include "circulation/OverdueReport.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"

#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TDueRecordFm::TDueRecordFm(SharedConnection &db, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DueRecordFm"));
    setWindowTitle(QStringLiteral("逾期未还记录统计"));
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto tool = [bar](const char *name, const QString &text) { return WindowParts::toolButton(bar, name, text); };
    ToolButton6 = tool("ToolButton6", QStringLiteral("打印报表"));
    ToolButton7 = tool("ToolButton7", QStringLiteral("退出"));
    DBGrid1 = new GridWidget(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({GridColumn("id").count(), GridColumn("读者编号"), GridColumn("读者姓名"), GridColumn("条形码"),
                         GridColumn("编号"), GridColumn("名称"), GridColumn("类别"), GridColumn("价格").money().sum(),
                         GridColumn("附件"), GridColumn("借阅日期").date(), GridColumn("归还日期").date(),
                         GridColumn("应还日期").date(), GridColumn("已还"), GridColumn("借阅经手人"),
                         GridColumn("归还经手人"), GridColumn("租金").money().hide(), GridColumn("押金").money().hide(),
                         GridColumn("物品状况").hide(), GridColumn("赔偿金额").money().hide(),
                         GridColumn("归还备注").hide()});
    DBGrid1->setKeyField(QStringLiteral("id"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(DBGrid1, 1);
    resize(960, 520);

    connect(ToolButton6, &QToolButton::clicked, this, &TDueRecordFm::ToolButton6Click);
    connect(ToolButton7, &QToolButton::clicked, this, &QDialog::reject);

    const BoundQuery q = OpenLoans::overdue(DayClock::today());
    try {
        DBGrid1->open(db, q.sql, q.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TDueRecordFm::ToolButton6Click()
{
    OverdueReport report;
    report.setPrintedAt(DayClock::now());
    try {
        report.setRows(DBGrid1->rowTexts(OverdueReport::fields()));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    ReportPreviewDialog::preview(report, windowTitle(), this);
}
