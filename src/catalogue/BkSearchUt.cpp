// SPDX-License-Identifier: MIT
#include "catalogue/BkSearchUt.h"
#include "catalogue/BkAddUt.h"
#include "catalogue/BkEditUt.h"
#include "catalogue/BkSearchAdUt.h"
#include "catalogue/BookTotals.h"
#include "catalogue/CatalogueOutputUi.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/Recommendations.h"
#include "catalogue/RowEdit.h"
#include "catalogue/RowSet.h"
#include "foundation/DayClock.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/PromptDialog.h"
#include "foundation/SharedConnection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPointer<TBkSearchFm> &openWindow()
{
    static QPointer<TBkSearchFm> window;
    return window;
}
enum Print { ListPrint, BarcodePrint, LabelPrint, CardPrint, ClassPrint };
} // namespace

TBkSearchFm::TBkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("BkSearchFm"));
    setWindowTitle(QStringLiteral("图书资料管理"));
    resize(1000, 640);
    openWindow() = this;

    buildToolBar();
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({QStringLiteral("编号"), QStringLiteral("条形码"), QStringLiteral("名称"), QStringLiteral("索书号"),
                         QStringLiteral("分类"), QStringLiteral("二级分类"), QStringLiteral("存放位置"),
                         QStringLiteral("作者"), QStringLiteral("译者"), QStringLiteral("来源")});
    ComboBox1->setEditText(QStringLiteral("编号"));
    Label1 = new QLabel(QStringLiteral("中 含有"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    RadioButton1 = new QRadioButton(QStringLiteral("精确"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("模糊"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setChecked(true);
    Button1 = new QPushButton(QStringLiteral("查询"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    CheckBox1 = new QCheckBox(QStringLiteral("入库时间"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    DTP1 = new QDateEdit(this);
    DTP1->setObjectName(QStringLiteral("DTP1"));
    DTP2 = new QDateEdit(this);
    DTP2->setObjectName(QStringLiteral("DTP2"));
    for (QDateEdit *d : {DTP1, DTP2}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setEnabled(false);
    }
    Button2 = new QPushButton(QStringLiteral("组合查询"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {Button1, Button2})
        b->setAutoDefault(false);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    const LibrarySwitches &s = m_session.switches;
    dxDBGrid1->setColumns({GridColumn("编号").count(), GridColumn("条形码"), GridColumn("名称"), GridColumn("分类"),
                           GridColumn("分类号"), GridColumn("索书号"), GridColumn("存放位置"),
                           GridColumn("数量").sum(), GridColumn("价格").money(), GridColumn("入库时间").date(),
                           GridColumn("借出次数"), GridColumn("出版社"), GridColumn("作者"),
                           // 出版时间 is free text as typed; shown as it stands.
                           GridColumn("出版时间").text(), GridColumn(QStringLiteral("a1"), s.a1Caption),
                           GridColumn(QStringLiteral("a2"), s.a2Caption), GridColumn(QStringLiteral("a3"), s.a3Caption),
                           GridColumn("页数"), GridColumn("isbn", "ISBN"), GridColumn("版次"), GridColumn("状态"),
                           GridColumn("附件"), GridColumn("简介").hide(), GridColumn("图片地址").hide(),
                           GridColumn("绝对地址").hide()});
    dxDBGrid1->setKeyField(QStringLiteral("编号"));
    m_gridMenu = new QMenu(this);
    N1 = m_gridMenu->addAction(QStringLiteral("推荐"));
    N1->setObjectName(QStringLiteral("N1"));
    dxDBGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(dxDBGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_gridMenu->popup(dxDBGrid1->view()->viewport()->mapToGlobal(pos)); });
    connect(N1, &QAction::triggered, this, &TBkSearchFm::N1Click);

    auto *search = new QHBoxLayout;
    search->addWidget(ComboBox1);
    search->addWidget(Label1);
    search->addWidget(Edit1, 1);
    search->addWidget(RadioButton1);
    search->addWidget(RadioButton2);
    search->addWidget(Button1);
    search->addWidget(CheckBox1);
    search->addWidget(DTP1);
    search->addWidget(new QLabel(QStringLiteral("到"), this));
    search->addWidget(DTP2);
    search->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(findChild<QToolBar *>(QStringLiteral("ToolBar1")));
    layout->addLayout(search);
    layout->addWidget(dxDBGrid1, 1);
    layout->addWidget(Label2);

    connect(Edit1, &QLineEdit::returnPressed, this, &TBkSearchFm::ToolButton8Click);
    connect(Button1, &QPushButton::clicked, this, &TBkSearchFm::ToolButton8Click);
    connect(Button2, &QPushButton::clicked, this, &TBkSearchFm::Button2Click);
    connect(CheckBox1, &QCheckBox::toggled, DTP1, &QWidget::setEnabled);
    connect(CheckBox1, &QCheckBox::toggled, DTP2, &QWidget::setEnabled);

    // Opening: the date range, the rights, the first 2000 books, the totals.
    DTP1->setDate(DayClock::today().addDays(-30));
    DTP2->setDate(DayClock::today().addDays(1));
    ToolButton1->setEnabled(m_session.rights.qxadddata);
    ToolButton2->setEnabled(m_session.rights.qxbkxg);
    ToolButton3->setEnabled(m_session.rights.qxdel);
    openList(CatalogueSearch::booksOpening(m_db.dialect()));
    Label2->setText(BookTotals::label(m_db));
}

TBkSearchFm::~TBkSearchFm() = default;

void TBkSearchFm::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
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
    ToolButton2 = tool("ToolButton2", "编辑", [this] { ToolButton2Click(); });
    ToolButton3 = tool("ToolButton3", "删除", [this] { ToolButton3Click(); });
    ToolButton4 = tool("ToolButton4", "刷新", [this] {
        try {
            if (dxDBGrid1->isOpen())
                dxDBGrid1->refresh();
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    ToolButton5 = tool("ToolButton5", "显示全部", [this] { openList(CatalogueSearch::all(QStringLiteral("图书"))); });
    ToolButton6 = tool("ToolButton6", "打印", [this] { print(ListPrint, false); });
    ToolButton9 = tool("ToolButton9", "打印条码", [this] { print(BarcodePrint, false); });
    ToolButton11 = tool("ToolButton11", "打印标签", [this] { print(LabelPrint, false); });
    ToolButton12 = tool("ToolButton12", "打书录卡", [this] { print(CardPrint, false); });
    ToolButton13 = tool("ToolButton13", "打分类号", [this] { print(ClassPrint, false); });
    ToolButton14 = tool("ToolButton14", "单打", [] {});
    auto *single = new QMenu(ToolButton14);
    single->setObjectName(QStringLiteral("SingleMenu"));
    single->addAction(QStringLiteral("条码"), this, [this] { print(BarcodePrint, true); })
        ->setObjectName(QStringLiteral("SingleBarcode"));
    single->addAction(QStringLiteral("标签"), this, [this] { print(LabelPrint, true); })
        ->setObjectName(QStringLiteral("SingleLabel"));
    single->addAction(QStringLiteral("书录卡"), this, [this] { print(CardPrint, true); })
        ->setObjectName(QStringLiteral("SingleCard"));
    ToolButton14->setMenu(single);
    ToolButton14->setPopupMode(QToolButton::InstantPopup);
    ToolButton10 = tool("ToolButton10", "转Excel", [this] {
        if (!dxDBGrid1->isOpen())
            return;
        try {
            QSqlQuery q = dxDBGrid1->exportQuery();
            CatalogueOutput::exportQuery(this, q, QStringLiteral("图书"));
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    ToolButton7 = tool("ToolButton7", "退出", [this] { close(); });
}

void TBkSearchFm::showRecentInOpenWindow()
{
    if (TBkSearchFm *w = openWindow()) {
        try {
            w->dxDBGrid1->open(w->m_db, CatalogueSearch::booksRecent(w->m_db.dialect()).sql);
        } catch (const DatabaseError &) {
            // Skipped silently, as when the window is not open.
        }
    }
}

bool TBkSearchFm::openList(const ListStatement &statement)
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

void TBkSearchFm::ToolButton8Click()
{
    if (ComboBox1->currentText().trimmed().isEmpty())
        ComboBox1->setEditText(QStringLiteral("编号"));
    CatalogueSearch::BookQuery q;
    q.field = ComboBox1->currentText();
    q.value = Edit1->text();
    q.exact = RadioButton1->isChecked();
    q.dateRange = CheckBox1->isChecked();
    q.from = DTP1->date();
    q.to = DTP2->date();
    const SearchBuild b = CatalogueSearch::books(q);
    if (!b.ok) {
        Messages::warn(this, b.message);
        return;
    }
    openList(b.statement);
}

void TBkSearchFm::Button2Click()
{
    TBkSearchAdFm combined(this);
    if (combined.exec() == QDialog::Accepted)
        openList(combined.statement());
}

void TBkSearchFm::ToolButton1Click()
{
    TBkAddFm add(m_db, m_session, this);
    add.exec();
}

void TBkSearchFm::ToolButton2Click()
{
    const QString number = dxDBGrid1->value(QStringLiteral("编号")).toString();
    if (dxDBGrid1->currentRow() < 0)
        return;
    TBkEditFm edit(m_db, m_session, number, this);
    if (!edit.isLoaded())
        return;
    edit.exec();
    // The list shows the stored values, from its first row.
    if (dxDBGrid1->isOpen())
        openList({dxDBGrid1->statement(), dxDBGrid1->values()});
}

void TBkSearchFm::ToolButton3Click()
{
    if (dxDBGrid1->currentRow() < 0)
        return;
    const QString name = dxDBGrid1->value(QStringLiteral("名称")).toString();
    if (!Messages::ask(this, QStringLiteral("您是否要删除\" ") + name + QStringLiteral("\"")))
        return;
    try {
        RowEdit::remove(m_db, QStringLiteral("图书"), dxDBGrid1->value(QStringLiteral("编号")).toString());
        dxDBGrid1->refresh();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkSearchFm::N1Click()
{
    if (!m_session.rights.qxadmin) {
        Messages::warn(this, QStringLiteral("没有权限!"));
        return;
    }
    if (dxDBGrid1->currentRow() < 0)
        return;
    QString reason;
    if (!PromptDialog::run(this, QStringLiteral("推荐理由"), QStringLiteral("不能大于25个汉字或50个字符:"), QString(),
                           QChar(), &reason))
        return;
    try {
        QString message;
        Recommendations(m_db).recommend(dxDBGrid1->value(QStringLiteral("编号")).toString(), reason,
                                        m_session.rights, m_session.OperatorName, &message);
        if (!message.isEmpty())
            Messages::warn(this, message);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

RowSet TBkSearchFm::listedRows() const
{
    if (!dxDBGrid1->isOpen())
        return RowSet(QStringLiteral("图书"), {}, {});
    QSqlQuery q = dxDBGrid1->exportQuery();
    return RowSet::fromQuery(QStringLiteral("图书"), q);
}

void TBkSearchFm::print(int kind, bool currentOnly)
{
    try {
        const RowSet rows = listedRows();
        const int current = dxDBGrid1->currentRow();
        if (currentOnly && (current < 0 || current >= rows.rowCount()))
            return;
        const QList<int> all = CatalogueReports::allRows(rows);
        std::unique_ptr<PagedReport> report;
        QString title;
        switch (kind) {
        case ListPrint:
            report = CatalogueReports::bookList(rows);
            title = QStringLiteral("图书清单");
            break;
        case BarcodePrint:
            report = CatalogueReports::bookBarcodes(rows, currentOnly ? QList<int>{current} : all);
            title = QStringLiteral("条码");
            break;
        case LabelPrint:
            report = currentOnly ? CatalogueReports::bookSingleLabel(rows, current) : CatalogueReports::bookLabels(rows, all);
            title = QStringLiteral("标签");
            break;
        case CardPrint:
            report = currentOnly ? CatalogueReports::bookSingleCard(rows, current) : CatalogueReports::bookCards(rows, all);
            title = QStringLiteral("书录卡");
            break;
        default:
            report = CatalogueReports::classNumbers(rows, all);
            title = QStringLiteral("分类号");
            break;
        }
        CatalogueOutput::preview(this, *report, title);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
