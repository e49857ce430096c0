// SPDX-License-Identifier: MIT
#include "readers/RdSearchUt.h"
#include "foundation/DayClock.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "readers/ChangeRdStateUt.h"
#include "readers/LibraryCards.h"
#include "readers/RdAddUt.h"
#include "readers/RdChongZhiUt.h"
#include "readers/RdEditPicUt.h"
#include "readers/RdEditUt.h"
#include "readers/ReaderListReport.h"
#include "readers/ReaderRegistry.h"
#include "readers/ReaderSearch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TRdSearchFm::TRdSearchFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session), dxDBGrid1(new GridWidget(this))
{
    setObjectName(QStringLiteral("RdSearchFm"));
    setWindowTitle(QStringLiteral("读者管理"));
    auto *bar = new QToolBar(this);
    auto tool = [bar](QToolButton *&button, const char *name, const char *text) {
        button = WindowParts::toolButton(bar, name, QString::fromUtf8(text));
    };
    tool(ToolButton8, "ToolButton8", "查询");
    tool(ToolButton1, "ToolButton1", "添加");
    tool(ToolButton2, "ToolButton2", "编辑");
    tool(ToolButton12, "ToolButton12", "修改状态");
    tool(ToolButton3, "ToolButton3", "删除");
    tool(ToolButton4, "ToolButton4", "刷新");
    tool(ToolButton5, "ToolButton5", "显示全部");
    tool(ToolButton6, "ToolButton6", "打印报表");
    tool(ToolButton9, "ToolButton9", "借阅证");
    tool(ToolButton10, "ToolButton10", "转EXCEL");
    tool(ToolButton11, "ToolButton11", "充值");
    tool(ToolButton13, "ToolButton13", "照片");
    tool(ToolButton7, "ToolButton7", "退出");

    QHBoxLayout *search = WindowParts::searchFields(this, ReaderSearch::fieldItems(), QStringLiteral("读者编号"),
                                                    ComboBox1, Label1, Edit1, RadioButton1, RadioButton2);
    Button1 = new QPushButton(QStringLiteral("查询"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    CheckBox1 = new QCheckBox(QStringLiteral("登记日期"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto dateBox = [this](const char *name, const QDate &date) {
        QDateEdit *d = WindowParts::dateBox(this, name, date);
        d->setEnabled(false); // until 登记日期 is ticked
        return d;
    };
    DTP1 = dateBox("DTP1", DayClock::today().addDays(-30));
    DTP2 = dateBox("DTP2", DayClock::today().addDays(1));

    search->addWidget(Button1);
    search->addSpacing(12);
    search->addWidget(CheckBox1);
    search->addWidget(DTP1);
    search->addWidget(new QLabel(QStringLiteral("至"), this));
    search->addWidget(DTP2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addLayout(search);
    layout->addWidget(dxDBGrid1, 1);
    resize(1000, 600);

    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setColumns({GridColumn("读者编号").count("0"), GridColumn("读者姓名"), GridColumn("性别"),
                           GridColumn("类别"), GridColumn("单位部门", "部门"), GridColumn("住址").hide(),
                           GridColumn("联系电话").hide(), GridColumn("班级").hide(!session.switches.显示班级),
                           GridColumn("院系").hide(!session.switches.显示院系), GridColumn("有效证件").hide(),
                           GridColumn("证件号码").hide(), GridColumn("累计借阅次数"), GridColumn("未还数量"),
                           GridColumn("登记日期").date(), GridColumn("有效期").date(), GridColumn("状态"),
                           GridColumn("备注").hide(), GridColumn("密码").hide(), GridColumn("卡内金额").money().hide(),
                           GridColumn("登记人"), GridColumn("pic")});
    dxDBGrid1->setKeyField(QStringLiteral("读者编号"));

    const Rights &r = session.rights;
    ToolButton1->setEnabled(r.qxadddata);
    ToolButton2->setEnabled(r.qxrdxg);
    ToolButton3->setEnabled(r.qxdel);

    connect(ToolButton8, &QToolButton::clicked, this, &TRdSearchFm::RdSearch);
    connect(Button1, &QPushButton::clicked, this, &TRdSearchFm::RdSearch);
    connect(Edit1, &QLineEdit::returnPressed, this, &TRdSearchFm::RdSearch);
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool on) {
        DTP1->setEnabled(on);
        DTP2->setEnabled(on);
    });
    connect(ToolButton1, &QToolButton::clicked, this, &TRdSearchFm::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TRdSearchFm::ToolButton2Click);
    connect(ToolButton12, &QToolButton::clicked, this, &TRdSearchFm::ToolButton12Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TRdSearchFm::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TRdSearchFm::ToolButton4Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TRdSearchFm::ToolButton5Click);
    connect(ToolButton6, &QToolButton::clicked, this, &TRdSearchFm::ToolButton6Click);
    connect(ToolButton9, &QToolButton::clicked, this, &TRdSearchFm::ToolButton9Click);
    connect(ToolButton10, &QToolButton::clicked, this, &TRdSearchFm::ToolButton10Click);
    connect(ToolButton11, &QToolButton::clicked, this, &TRdSearchFm::ToolButton11Click);
    connect(ToolButton13, &QToolButton::clicked, this, &TRdSearchFm::ToolButton13Click);
    connect(ToolButton7, &QToolButton::clicked, this, &QDialog::reject);
    // Enter in the value box searches; it must not also close the window.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    openList(ReaderSearch::allStatement());
    ToolButton11->setEnabled(dxDBGrid1->rowCount() > 0);
}

void TRdSearchFm::openList(const QString &sql, const QVariantList &values)
{
    try {
        dxDBGrid1->open(m_db, sql, values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TRdSearchFm::refreshList()
{
    if (!dxDBGrid1->isOpen())
        return;
    try {
        dxDBGrid1->refresh();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

QString TRdSearchFm::currentNumber() const
{
    return dxDBGrid1->currentRow() < 0 ? QString() : dxDBGrid1->value(QStringLiteral("读者编号")).toString();
}

void TRdSearchFm::RdSearch()
{
    Edit1->setText(Edit1->text().trimmed());
    ReaderSearch::Request r;
    r.field = ComboBox1->currentText();
    r.value = Edit1->text();
    r.exact = RadioButton1->isChecked();
    r.byDate = CheckBox1->isChecked();
    r.from = DTP1->date();
    r.to = DTP2->date();
    const ReaderSearch::Statement s = ReaderSearch::build(r);
    if (!s.refusal.isEmpty()) {
        Messages::warn(this, s.refusal);
        return;
    }
    // A swiped card number is cleared, ready for the next card.
    if (!r.value.isEmpty() && r.field == QStringLiteral("读者卡号"))
        Edit1->clear();
    openList(s.sql, s.values);
}

void TRdSearchFm::ToolButton1Click()
{
    TRdAddFm add(m_db, m_session, this);
    add.exec();
    if (add.savedAny())
        refreshList();
}

void TRdSearchFm::ToolButton2Click()
{
    const QString number = currentNumber();
    if (number.isEmpty())
        return;
    TRdEditFm edit(m_db, m_session, number, this);
    if (edit.exec() == QDialog::Accepted)
        refreshList();
}

void TRdSearchFm::ToolButton12Click()
{
    const QString number = currentNumber();
    if (number.isEmpty())
        return;
    TChangeRdStateFm state(m_db, m_session, number, this);
    if (state.exec() == QDialog::Accepted)
        refreshList();
}

void TRdSearchFm::ToolButton3Click()
{
    const QString number = currentNumber();
    if (number.isEmpty())
        return;
    const QString name = dxDBGrid1->value(QStringLiteral("读者姓名")).toString();
    if (!Messages::ask(this, QStringLiteral("您是否要删除\" ") + name + QStringLiteral("\"")))
        return;
    try {
        ReaderRegistry::remove(m_db, number);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    refreshList();
}

void TRdSearchFm::ToolButton4Click()
{
    refreshList();
}

void TRdSearchFm::ToolButton5Click()
{
    openList(QStringLiteral("select * from 读者库"));
}

void TRdSearchFm::ToolButton6Click()
{
    if (!dxDBGrid1->isOpen())
        return;
    ReaderListReport report;
    try {
        QSqlQuery q = dxDBGrid1->exportQuery();
        report.addReaders(q);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    ReportPreviewDialog::preview(report, QStringLiteral("读者列表"), this);
}

void TRdSearchFm::ToolButton9Click()
{
    if (!dxDBGrid1->isOpen())
        return;
    QList<LibraryCards::Card> cards;
    QString back;
    try {
        QSqlQuery q = dxDBGrid1->exportQuery();
        cards = LibraryCards::cardsFrom(q);
        back = LibraryCards::backText(m_db);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    const LibraryCards sheet(m_session.switches.图书馆名, back, cards);
    ReportPreviewDialog::preview(sheet, QStringLiteral("借阅证"), this);
}

void TRdSearchFm::ToolButton10Click()
{
    if (!dxDBGrid1->isOpen())
        return;
    try {
        QSqlQuery q = dxDBGrid1->exportQuery();
        ExcelExportUi::exportQuery(this, q, QStringLiteral("读者"), dxDBGrid1->exportCaptions());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TRdSearchFm::ToolButton11Click()
{
    TRdChongZhiFm topUp(m_db, m_session, currentNumber(), this);
    if (topUp.exec() == QDialog::Accepted)
        refreshList();
}

void TRdSearchFm::ToolButton13Click()
{
    if (currentNumber().isEmpty())
        return;
    TRdEditPicFm pic(dxDBGrid1->value(QStringLiteral("pic")).toByteArray(), this);
    pic.exec();
}
