// SPDX-License-Identifier: MIT
#include "catalogue/BkSearchUt.h"
#include "catalogue/BkAddUt.h"
#include "catalogue/BkEditUt.h"
#include "catalogue/BkSearchAdUt.h"
#include "catalogue/BookTotals.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/Recommendations.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {
enum PrintKind { ListPrint, BarcodePrint, LabelPrint, CardPrint, ClassPrint };
} // namespace

TBkSearchFm::TBkSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : CatalogueListWindow(db, session, QStringLiteral("图书"), parent, {})
{
    setObjectName(QStringLiteral("BkSearchFm"));
    setWindowTitle(QStringLiteral("图书资料管理"));
    resize(1000, 640);
    latestWindow<TBkSearchFm>() = this;

    buildToolBar();
    addSearchFields({QStringLiteral("编号"), QStringLiteral("条形码"), QStringLiteral("名称"), QStringLiteral("索书号"),
                     QStringLiteral("分类"), QStringLiteral("二级分类"), QStringLiteral("存放位置"),
                     QStringLiteral("作者"), QStringLiteral("译者"), QStringLiteral("来源")});
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

    const LibrarySwitches &s = m_session.switches;
    addGrid({GridColumn("编号").count(), GridColumn("条形码"), GridColumn("名称"), GridColumn("分类"),
             GridColumn("分类号"), GridColumn("索书号"), GridColumn("存放位置"), GridColumn("数量").sum(),
             GridColumn("价格").money(), GridColumn("入库时间").date(), GridColumn("借出次数"), GridColumn("出版社"),
             GridColumn("作者"),
             // 出版时间 is free text as typed; shown as it stands.
             GridColumn("出版时间").text(), GridColumn(QStringLiteral("a1"), s.a1Caption),
             GridColumn(QStringLiteral("a2"), s.a2Caption), GridColumn(QStringLiteral("a3"), s.a3Caption),
             GridColumn("页数"), GridColumn("isbn", "ISBN"), GridColumn("版次"), GridColumn("状态"), GridColumn("附件"),
             GridColumn("简介").hide(), GridColumn("图片地址").hide(), GridColumn("绝对地址").hide()});
    m_gridMenu = new QMenu(this);
    N1 = m_gridMenu->addAction(QStringLiteral("推荐"));
    N1->setObjectName(QStringLiteral("N1"));
    dxDBGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(dxDBGrid1->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_gridMenu->popup(dxDBGrid1->view()->viewport()->mapToGlobal(pos)); });
    connect(N1, &QAction::triggered, this, &TBkSearchFm::N1Click);

    QHBoxLayout *search = searchRow();
    search->addWidget(Button1);
    search->addWidget(CheckBox1);
    search->addWidget(DTP1);
    search->addWidget(new QLabel(QStringLiteral("到"), this));
    search->addWidget(DTP2);
    search->addWidget(Button2);
    layOut(search)->addWidget(Label2);

    connect(Button1, &QPushButton::clicked, this, &TBkSearchFm::ToolButton8Click);
    connect(Button2, &QPushButton::clicked, this, &TBkSearchFm::Button2Click);
    connect(CheckBox1, &QCheckBox::toggled, DTP1, &QWidget::setEnabled);
    connect(CheckBox1, &QCheckBox::toggled, DTP2, &QWidget::setEnabled);

    // Opening: the date range, the rights, the first 2000 books, the totals.
    DTP1->setDate(DayClock::today().addDays(-30));
    DTP2->setDate(DayClock::today().addDays(1));
    applyRights(m_session.rights.qxbkxg);
    openList(CatalogueSearch::booksOpening(m_db.dialect()));
    Label2->setText(BookTotals::label(m_db));
}

TBkSearchFm::~TBkSearchFm() = default;

void TBkSearchFm::buildToolBar()
{
    addListTools("编辑");
    addTool("ToolButton6", "打印", [this] { print(ListPrint, false); });
    addTool("ToolButton9", "打印条码", [this] { print(BarcodePrint, false); });
    addTool("ToolButton11", "打印标签", [this] { print(LabelPrint, false); });
    addTool("ToolButton12", "打书录卡", [this] { print(CardPrint, false); });
    addTool("ToolButton13", "打分类号", [this] { print(ClassPrint, false); });
    QMenu *single = addSingleTool("ToolButton14");
    single->setObjectName(QStringLiteral("SingleMenu"));
    single->addAction(QStringLiteral("条码"), this, [this] { print(BarcodePrint, true); })
        ->setObjectName(QStringLiteral("SingleBarcode"));
    single->addAction(QStringLiteral("标签"), this, [this] { print(LabelPrint, true); })
        ->setObjectName(QStringLiteral("SingleLabel"));
    single->addAction(QStringLiteral("书录卡"), this, [this] { print(CardPrint, true); })
        ->setObjectName(QStringLiteral("SingleCard"));
    addClosingTools();
}

void TBkSearchFm::showRecentInOpenWindow()
{
    if (TBkSearchFm *w = latestWindow<TBkSearchFm>()) {
        try {
            w->dxDBGrid1->open(w->m_db, CatalogueSearch::booksRecent(w->m_db.dialect()).sql);
        } catch (const DatabaseError &) {
            // Skipped silently, as when the window is not open.
        }
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

void TBkSearchFm::print(int kind, bool currentOnly)
{
    printListed(currentOnly, [&](const RowSet &rows, int current, const QList<int> &all) -> Print {
        switch (kind) {
        case ListPrint:
            return {CatalogueReports::bookList(rows), QStringLiteral("图书清单")};
        case BarcodePrint:
            return {CatalogueReports::bookBarcodes(rows, currentOnly ? QList<int>{current} : all), QStringLiteral("条码")};
        case LabelPrint:
            return {currentOnly ? CatalogueReports::bookSingleLabel(rows, current) : CatalogueReports::bookLabels(rows, all),
                    QStringLiteral("标签")};
        case CardPrint:
            return {currentOnly ? CatalogueReports::bookSingleCard(rows, current) : CatalogueReports::bookCards(rows, all),
                    QStringLiteral("书录卡")};
        default:
            return {CatalogueReports::classNumbers(rows, all), QStringLiteral("分类号")};
        }
    });
}
