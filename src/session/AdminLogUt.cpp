// SPDX-License-Identifier: MIT
#include "session/AdminLogUt.h"
#include "foundation/DayClock.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/ListReport.h"
#include "foundation/Messages.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "session/OperatorLog.h"

#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TAdminLogFm::TAdminLogFm(const SharedConnection &db, QWidget *parent)
    : QDialog(parent), m_db(db), ToolBar1(new QToolBar(this)), dxDBGrid1(new GridWidget(this))
{
    setObjectName(QStringLiteral("AdminLogFm"));
    setWindowTitle(QStringLiteral("管理员日志"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto tool = [this](const char *name, const QString &text) { return WindowParts::toolButton(ToolBar1, name, text); };
    ToolButton1 = tool("ToolButton1", QStringLiteral("删除当前"));
    ToolButton2 = tool("ToolButton2", QStringLiteral("全部删除"));
    ToolButton3 = tool("ToolButton3", QStringLiteral("导出Excel"));
    ToolButton4 = tool("ToolButton4", QStringLiteral("打印"));
    ToolButton5 = tool("ToolButton5", QStringLiteral("退出"));

    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setColumns({GridColumn("id").count(), GridColumn("事件"), GridColumn("日期").date(),
                           GridColumn("管理员"), GridColumn("说明")});
    dxDBGrid1->setKeyField(QStringLiteral("id"));

    // The grid takes the whole width and the height below the tool bar.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(ToolBar1);
    layout->addWidget(dxDBGrid1, 1);
    resize(760, 480);

    connect(ToolButton1, &QToolButton::clicked, this, &TAdminLogFm::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TAdminLogFm::ToolButton2Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TAdminLogFm::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TAdminLogFm::ToolButton4Click);
    connect(ToolButton5, &QToolButton::clicked, this, &QDialog::reject);

    try {
        dxDBGrid1->open(m_db, OperatorLog::listStatement());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

TAdminLogFm::~TAdminLogFm() = default;

std::unique_ptr<ListReport> TAdminLogFm::report() const
{
    const QList<QStringList> rows =
        dxDBGrid1->isOpen() ? dxDBGrid1->rowTexts(OperatorLog::fields()) : QList<QStringList>();
    return OperatorLog::report(rows, DayClock::now());
}

void TAdminLogFm::ToolButton1Click()
{
    if (!dxDBGrid1->isOpen() || dxDBGrid1->currentRow() < 0)
        return;
    if (!Messages::ask(this, QStringLiteral("您是否要删除")))
        return;
    try {
        OperatorLog::removeRow(m_db, dxDBGrid1->value(QStringLiteral("id")));
        dxDBGrid1->refresh();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TAdminLogFm::ToolButton2Click()
{
    if (!Messages::ask(this, QStringLiteral("您是否要全部删除")))
        return;
    try {
        OperatorLog::removeAll(m_db);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    // The list stays empty until the window is opened again.
    dxDBGrid1->close();
    Messages::info(this, QStringLiteral("删除完毕!"));
}

void TAdminLogFm::ToolButton3Click()
{
    if (!dxDBGrid1->isOpen())
        return;
    ExcelExportUi::exportGrid(this, *dxDBGrid1, QStringLiteral("管理员日志"));
}

void TAdminLogFm::ToolButton4Click()
{
    const std::unique_ptr<ListReport> r = report();
    ReportPreviewDialog::preview(*r, QStringLiteral("管理员日志"), this);
}
