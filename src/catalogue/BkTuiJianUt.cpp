// SPDX-License-Identifier: MIT
#include "catalogue/BkTuiJianUt.h"
#include "catalogue/Recommendations.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"

#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TBkTuiJianFm::TBkTuiJianFm(SharedConnection &db, LoginSession &, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("BkTuiJianFm"));
    setWindowTitle(QStringLiteral("推荐"));
    resize(800, 500);
    auto *bar = new QToolBar(this);
    auto tool = [bar](const char *name, const char *text) { return WindowParts::toolButton(bar, name, QString::fromUtf8(text)); };
    ToolButton1 = tool("ToolButton1", "删除当前");
    ToolButton2 = tool("ToolButton2", "全部删除");
    ToolButton3 = tool("ToolButton3", "导出Excel");
    ToolButton4 = tool("ToolButton4", "退出");
    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setColumns({GridColumn("编号").count(), GridColumn("名称"), GridColumn("作者"), GridColumn("分类"),
                           GridColumn("存放位置"), GridColumn("推荐人"), GridColumn("memo"), GridColumn("id")});
    dxDBGrid1->setKeyField(QStringLiteral("id"));
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(dxDBGrid1, 1);

    connect(ToolButton1, &QToolButton::clicked, this, &TBkTuiJianFm::deleteCurrent);
    connect(ToolButton2, &QToolButton::clicked, this, &TBkTuiJianFm::deleteAll);
    connect(ToolButton3, &QToolButton::clicked, this,
            [this] { ExcelExportUi::exportGrid(this, *dxDBGrid1, QStringLiteral("推荐")); });
    connect(ToolButton4, &QToolButton::clicked, this, &QDialog::close);

    try {
        dxDBGrid1->open(m_db, Recommendations::list().sql);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkTuiJianFm::deleteCurrent()
{
    if (dxDBGrid1->currentRow() < 0)
        return;
    if (!Messages::ask(this, QStringLiteral("您是否要删除")))
        return;
    try {
        Recommendations(m_db).remove(dxDBGrid1->value(QStringLiteral("id")).toLongLong());
        dxDBGrid1->refresh();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkTuiJianFm::deleteAll()
{
    if (!Messages::ask(this, QStringLiteral("您是否要全部删除")))
        return;
    try {
        Recommendations(m_db).removeAll();
        Messages::info(this, QStringLiteral("删除完毕!"));
        dxDBGrid1->close();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
