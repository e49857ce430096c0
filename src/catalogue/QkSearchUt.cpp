// SPDX-License-Identifier: MIT
#include "catalogue/QkSearchUt.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/QkAddUt.h"
#include "catalogue/QkEditUt.h"
#include "catalogue/RowSet.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace {
enum PrintKind { ListPrint, BarcodePrint, LabelPrint };
} // namespace

TQkSearchFm::TQkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : CatalogueListWindow(db, session, QStringLiteral("期刊"), parent, Qt::Window)
{
    setObjectName(QStringLiteral("QkSearchFm"));
    setWindowTitle(QStringLiteral("期刊管理"));
    resize(1000, 600);
    latestWindow<TQkSearchFm>() = this;
    buildToolBar();

    addSearchFields({QStringLiteral("编号"), QStringLiteral("条形码"), QStringLiteral("名称"), QStringLiteral("存放位置")});
    addGrid({GridColumn("编号").count(), GridColumn("名称"), GridColumn("条形码"), GridColumn("分类"),
             GridColumn("出版社"), GridColumn("存放位置"), GridColumn("数量").sum(), GridColumn("ISSN"),
             GridColumn("国内统一刊号"), GridColumn("邮发代号"), GridColumn("出版时间").text(), GridColumn("第几期"),
             GridColumn("入库时间").date(), GridColumn("总第几期"), GridColumn("价格").money(), GridColumn("币种"),
             GridColumn("借出次数"), GridColumn("状态"), GridColumn("简介").hide(), GridColumn("图片地址").hide(),
             GridColumn("绝对地址").hide()});
    layOut(searchRow());

    applyRights(m_session.rights.qxqkxg);
    openList(CatalogueSearch::all(m_table));
}

TQkSearchFm::~TQkSearchFm() = default;

TQkSearchFm *TQkSearchFm::showWindow(SharedConnection &db, LoginSession &session, QWidget *parent)
{
    TQkSearchFm *w = latestWindow<TQkSearchFm>();
    if (!w) {
        w = new TQkSearchFm(db, session, parent);
        w->setAttribute(Qt::WA_DeleteOnClose);
    }
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

TQkSearchFm *TQkSearchFm::openWindow()
{
    return latestWindow<TQkSearchFm>();
}

void TQkSearchFm::buildToolBar()
{
    addListTools("修改");
    addTool("ToolButton6", "打印", [this] { print(ListPrint, false); });
    addTool("ToolButton9", "打印条码", [this] { print(BarcodePrint, false); });
    addTool("ToolButton11", "打印标签", [this] { print(LabelPrint, false); });
    QMenu *single = addSingleTool("ToolButton12");
    single->addAction(QStringLiteral("条码"), this, [this] { print(BarcodePrint, true); })
        ->setObjectName(QStringLiteral("SingleBarcode"));
    single->addAction(QStringLiteral("标签"), this, [this] { print(LabelPrint, true); })
        ->setObjectName(QStringLiteral("SingleLabel"));
    addClosingTools();
}

void TQkSearchFm::ToolButton8Click()
{
    const SearchBuild b = CatalogueSearch::periodicals(ComboBox1->currentText(), Edit1->text(), RadioButton1->isChecked());
    if (!b.ok) {
        Messages::warn(this, b.message);
        return;
    }
    openList(b.statement);
}

void TQkSearchFm::ToolButton1Click()
{
    TQkAddFm add(m_db, m_session, this);
    add.exec();
}

void TQkSearchFm::ToolButton2Click()
{
    if (dxDBGrid1->currentRow() < 0)
        return;
    TQkEditFm edit(m_db, m_session, dxDBGrid1->value(QStringLiteral("编号")).toString(), this);
    if (!edit.isLoaded())
        return;
    if (edit.exec() == QDialog::Accepted) {
        try {
            dxDBGrid1->refresh();
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    }
}

void TQkSearchFm::print(int kind, bool currentOnly)
{
    printListed(currentOnly, [&](const RowSet &rows, int current, const QList<int> &all) -> Print {
        if (kind == ListPrint)
            return {CatalogueReports::periodicalList(rows), QStringLiteral("期刊清单")};
        if (kind == BarcodePrint)
            return {CatalogueReports::periodicalBarcodes(rows, currentOnly ? QList<int>{current} : all),
                    QStringLiteral("条码")};
        return {currentOnly ? CatalogueReports::periodicalSingleLabel(rows, current)
                            : CatalogueReports::periodicalLabels(rows, all),
                QStringLiteral("标签")};
    });
}
