// SPDX-License-Identifier: MIT
#include "catalogue/QkSearchUt.h"
#include "catalogue/CatalogueOutputUi.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/QkAddUt.h"
#include "catalogue/QkEditUt.h"
#include "catalogue/RowEdit.h"
#include "catalogue/RowSet.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPointer<TQkSearchFm> &theWindow()
{
    static QPointer<TQkSearchFm> window;
    return window;
}
enum Print { ListPrint, BarcodePrint, LabelPrint };
const QString kTable = QStringLiteral("期刊");
} // namespace

TQkSearchFm::TQkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("QkSearchFm"));
    setWindowTitle(QStringLiteral("期刊管理"));
    resize(1000, 600);
    theWindow() = this;
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    buildToolBar(bar);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({QStringLiteral("编号"), QStringLiteral("条形码"), QStringLiteral("名称"), QStringLiteral("存放位置")});
    ComboBox1->setEditText(QStringLiteral("编号"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    RadioButton1 = new QRadioButton(QStringLiteral("精确"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("模糊"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setChecked(true);

    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setColumns({GridColumn("编号").count(), GridColumn("名称"), GridColumn("条形码"), GridColumn("分类"),
                           GridColumn("出版社"), GridColumn("存放位置"), GridColumn("数量").sum(), GridColumn("ISSN"),
                           GridColumn("国内统一刊号"), GridColumn("邮发代号"), GridColumn("出版时间").text(),
                           GridColumn("第几期"), GridColumn("入库时间").date(), GridColumn("总第几期"),
                           GridColumn("价格").money(), GridColumn("币种"), GridColumn("借出次数"), GridColumn("状态"),
                           GridColumn("简介").hide(), GridColumn("图片地址").hide(), GridColumn("绝对地址").hide()});
    dxDBGrid1->setKeyField(QStringLiteral("编号"));

    auto *search = new QHBoxLayout;
    search->addWidget(ComboBox1);
    search->addWidget(new QLabel(QStringLiteral("中 含有"), this));
    search->addWidget(Edit1, 1);
    search->addWidget(RadioButton1);
    search->addWidget(RadioButton2);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addLayout(search);
    layout->addWidget(dxDBGrid1, 1);
    connect(Edit1, &QLineEdit::returnPressed, this, &TQkSearchFm::ToolButton8Click);

    ToolButton1->setEnabled(m_session.rights.qxadddata);
    ToolButton2->setEnabled(m_session.rights.qxqkxg);
    ToolButton3->setEnabled(m_session.rights.qxdel);
    openList(CatalogueSearch::all(kTable));
}

TQkSearchFm::~TQkSearchFm() = default;

TQkSearchFm *TQkSearchFm::showWindow(SharedConnection &db, LoginSession &session, QWidget *parent)
{
    TQkSearchFm *w = theWindow();
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
    return theWindow();
}

void TQkSearchFm::buildToolBar(QWidget *barWidget)
{
    auto *bar = static_cast<QToolBar *>(barWidget);
    auto tool = [&](const char *name, const char *text, auto slot) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromUtf8(text));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        bar->addWidget(b);
        connect(b, &QToolButton::clicked, this, slot);
        return b;
    };
    ToolButton8 = tool("ToolButton8", "查询", [this] { ToolButton8Click(); });
    ToolButton1 = tool("ToolButton1", "添加", [this] { ToolButton1Click(); });
    ToolButton2 = tool("ToolButton2", "修改", [this] { ToolButton2Click(); });
    ToolButton3 = tool("ToolButton3", "删除", [this] { ToolButton3Click(); });
    ToolButton4 = tool("ToolButton4", "刷新", [this] {
        try {
            if (dxDBGrid1->isOpen())
                dxDBGrid1->refresh();
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    ToolButton5 = tool("ToolButton5", "显示全部", [this] { openList(CatalogueSearch::all(kTable)); });
    ToolButton6 = tool("ToolButton6", "打印", [this] { print(ListPrint, false); });
    ToolButton9 = tool("ToolButton9", "打印条码", [this] { print(BarcodePrint, false); });
    ToolButton11 = tool("ToolButton11", "打印标签", [this] { print(LabelPrint, false); });
    ToolButton12 = tool("ToolButton12", "单打", [] {});
    auto *single = new QMenu(ToolButton12);
    single->addAction(QStringLiteral("条码"), this, [this] { print(BarcodePrint, true); })
        ->setObjectName(QStringLiteral("SingleBarcode"));
    single->addAction(QStringLiteral("标签"), this, [this] { print(LabelPrint, true); })
        ->setObjectName(QStringLiteral("SingleLabel"));
    ToolButton12->setMenu(single);
    ToolButton12->setPopupMode(QToolButton::InstantPopup);
    ToolButton10 = tool("ToolButton10", "转Excel", [this] {
        if (!dxDBGrid1->isOpen())
            return;
        try {
            QSqlQuery q = dxDBGrid1->exportQuery();
            CatalogueOutput::exportQuery(this, q, kTable);
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    ToolButton7 = tool("ToolButton7", "退出", [this] { close(); });
}

bool TQkSearchFm::openList(const ListStatement &statement)
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

void TQkSearchFm::ToolButton3Click()
{
    if (dxDBGrid1->currentRow() < 0)
        return;
    const QString name = dxDBGrid1->value(QStringLiteral("名称")).toString();
    if (!Messages::ask(this, QStringLiteral("您是否要删除\" ") + name + QStringLiteral("\"")))
        return;
    try {
        RowEdit::remove(m_db, kTable, dxDBGrid1->value(QStringLiteral("编号")).toString());
        dxDBGrid1->refresh();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

RowSet TQkSearchFm::listedRows() const
{
    if (!dxDBGrid1->isOpen())
        return RowSet(kTable, {}, {});
    QSqlQuery q = dxDBGrid1->exportQuery();
    return RowSet::fromQuery(kTable, q);
}

void TQkSearchFm::print(int kind, bool currentOnly)
{
    try {
        const RowSet rows = listedRows();
        const int current = dxDBGrid1->currentRow();
        if (currentOnly && (current < 0 || current >= rows.rowCount()))
            return;
        const QList<int> all = CatalogueReports::allRows(rows);
        std::unique_ptr<PagedReport> report;
        QString title;
        if (kind == ListPrint) {
            report = CatalogueReports::periodicalList(rows);
            title = QStringLiteral("期刊清单");
        } else if (kind == BarcodePrint) {
            report = CatalogueReports::periodicalBarcodes(rows, currentOnly ? QList<int>{current} : all);
            title = QStringLiteral("条码");
        } else {
            report = currentOnly ? CatalogueReports::periodicalSingleLabel(rows, current)
                                 : CatalogueReports::periodicalLabels(rows, all);
            title = QStringLiteral("标签");
        }
        CatalogueOutput::preview(this, *report, title);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
