// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueListWindowUi.h"
#include "catalogue/CatalogueOutputUi.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/RowEdit.h"
#include "catalogue/RowSet.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

template <class Base>
CatalogueListWindow<Base>::CatalogueListWindow(SharedConnection &db, LoginSession &session, const QString &table,
                                               QWidget *parent, Qt::WindowFlags flags)
    : Base(parent, flags), m_db(db), m_session(session), m_table(table)
{
    m_bar = new QToolBar(this);
    m_bar->setObjectName(QStringLiteral("ToolBar1"));
}

template <class Base>
CatalogueListWindow<Base>::~CatalogueListWindow() = default;

template <class Base>
QToolButton *CatalogueListWindow<Base>::addTool(const char *name, const char *text, std::function<void()> slot)
{
    QToolButton *b = WindowParts::toolButton(m_bar, name, QString::fromUtf8(text));
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    if (slot)
        QObject::connect(b, &QToolButton::clicked, this, std::move(slot));
    return b;
}

template <class Base>
void CatalogueListWindow<Base>::addListTools(const char *editText)
{
    addTool("ToolButton8", "查询", [this] { ToolButton8Click(); });
    ToolButton1 = addTool("ToolButton1", "添加", [this] { ToolButton1Click(); });
    ToolButton2 = addTool("ToolButton2", editText, [this] { ToolButton2Click(); });
    ToolButton3 = addTool("ToolButton3", "删除", [this] { ToolButton3Click(); });
    addTool("ToolButton4", "刷新", [this] {
        try {
            if (dxDBGrid1->isOpen())
                dxDBGrid1->refresh();
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    addTool("ToolButton5", "显示全部", [this] { openList(CatalogueSearch::all(m_table)); });
}

template <class Base>
QMenu *CatalogueListWindow<Base>::addSingleTool(const char *name)
{
    QToolButton *b = addTool(name, "单打", {});
    auto *single = new QMenu(b);
    b->setMenu(single);
    b->setPopupMode(QToolButton::InstantPopup);
    return single;
}

template <class Base>
void CatalogueListWindow<Base>::addClosingTools()
{
    addTool("ToolButton10", "转Excel", [this] { ExcelExportUi::exportGrid(this, *dxDBGrid1, m_table); });
    addTool("ToolButton7", "退出", [this] { this->close(); });
}

template <class Base>
void CatalogueListWindow<Base>::applyRights(bool mayEdit)
{
    ToolButton1->setEnabled(m_session.rights.qxadddata);
    ToolButton2->setEnabled(mayEdit);
    ToolButton3->setEnabled(m_session.rights.qxdel);
}

template <class Base>
void CatalogueListWindow<Base>::addSearchFields(const QStringList &fields)
{
    m_searchRow = WindowParts::searchFields(this, fields, QStringLiteral("编号"), ComboBox1, Label1, Edit1,
                                            RadioButton1, RadioButton2);
    QObject::connect(Edit1, &QLineEdit::returnPressed, this, [this] { ToolButton8Click(); });
}

template <class Base>
QHBoxLayout *CatalogueListWindow<Base>::searchRow()
{
    return m_searchRow;
}

template <class Base>
void CatalogueListWindow<Base>::addGrid(const QList<GridColumn> &columns)
{
    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setColumns(columns);
    dxDBGrid1->setKeyField(QStringLiteral("编号"));
}

template <class Base>
QVBoxLayout *CatalogueListWindow<Base>::layOut(QHBoxLayout *search)
{
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(m_bar);
    layout->addLayout(search);
    layout->addWidget(dxDBGrid1, 1);
    return layout;
}

template <class Base>
bool CatalogueListWindow<Base>::openList(const ListStatement &statement)
{
    try {
        dxDBGrid1->close();
        dxDBGrid1->open(m_db, statement.sql, statement.values);
        return true;
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return false;
    }
}

template <class Base>
void CatalogueListWindow<Base>::ToolButton3Click()
{
    if (dxDBGrid1->currentRow() < 0)
        return;
    const QString name = dxDBGrid1->value(QStringLiteral("名称")).toString();
    if (!Messages::ask(this, QStringLiteral("您是否要删除\" ") + name + QStringLiteral("\"")))
        return;
    try {
        RowEdit::remove(m_db, m_table, dxDBGrid1->value(QStringLiteral("编号")).toString());
        dxDBGrid1->refresh();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

template <class Base>
RowSet CatalogueListWindow<Base>::listedRows() const
{
    if (!dxDBGrid1->isOpen())
        return RowSet(m_table, {}, {});
    QSqlQuery q = dxDBGrid1->exportQuery();
    return RowSet::fromQuery(m_table, q);
}

template <class Base>
void CatalogueListWindow<Base>::printListed(bool currentOnly, const MakePrint &make)
{
    try {
        const RowSet rows = listedRows();
        const int current = dxDBGrid1->currentRow();
        if (currentOnly && (current < 0 || current >= rows.rowCount()))
            return;
        const Print print = make(rows, current, CatalogueReports::allRows(rows));
        CatalogueOutput::preview(this, *print.report, print.title);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

template class CatalogueListWindow<QDialog>;
template class CatalogueListWindow<QWidget>;
