// SPDX-License-Identifier: MIT
#include "circulation/BkReturnUt.h"
#include "circulation/BkBorrowUt.h"
#include "circulation/CounterFocus.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPointer<TBkReturnFm> g_open;
} // namespace

TBkReturnFm::TBkReturnFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : CounterWindow(parent), m_db(db), m_session(session), m_desk(db, session)
{
    g_open = this;
    setObjectName(QStringLiteral("BkReturnFm"));
    setWindowTitle(QStringLiteral("归还操作"));
    auto box = [this](const char *name, bool readOnly) { return WindowParts::lineEdit(this, name, readOnly); };
    auto button = [this](const char *name, const QString &text) { return WindowParts::button(this, name, text); };

    Edit1 = box("Edit1", false);
    Edit2 = box("Edit2", false);
    Edit3 = box("Edit3", false);
    Edit8 = box("Edit8", false);
    Button4 = button("Button4", QStringLiteral("搜索"));
    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("图书编号"), this));
    search->addWidget(Edit1, 1);
    search->addWidget(new QLabel(QStringLiteral("条形码"), this));
    search->addWidget(Edit2, 1);
    search->addWidget(new QLabel(QStringLiteral("读者编号"), this));
    search->addWidget(Edit3, 1);
    search->addWidget(new QLabel(QStringLiteral("读者卡号"), this));
    search->addWidget(Edit8, 1);
    search->addWidget(Button4);

    DBGrid1 = new GridWidget(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setColumns({GridColumn("编号"), GridColumn("名称"), GridColumn("条形码"), GridColumn("读者编号"),
                         GridColumn("读者姓名"), GridColumn("借阅日期").date(), GridColumn("借阅经手人"),
                         GridColumn("类别"), GridColumn("应还日期").date()});
    DBGrid1->setKeyField(QStringLiteral("id"));
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("countLabel"));

    GroupBox1 = new QGroupBox(QStringLiteral("当前记录"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    loanReader = box("loanReader", true);
    loanReaderName = box("loanReaderName", true);
    loanNumber = box("loanNumber", true);
    loanTitle = box("loanTitle", true);
    loanDate = box("loanDate", true);
    itemShelf = box("itemShelf", true);
    Edit4 = box("Edit4", false);
    Edit5 = box("Edit5", false);
    Edit6 = box("Edit6", true);
    Edit7 = box("Edit7", true);
    m_current = new QFormLayout(GroupBox1);
    m_current->addRow(QStringLiteral("读者编号"), loanReader);
    m_current->addRow(QStringLiteral("读者姓名"), loanReaderName);
    m_current->addRow(QStringLiteral("图书编号"), loanNumber);
    m_current->addRow(QStringLiteral("名称"), loanTitle);
    m_current->addRow(QStringLiteral("借阅日期"), loanDate);
    m_current->addRow(QStringLiteral("存放位置"), itemShelf);
    m_current->addRow(QStringLiteral("实际租期"), Edit4);
    m_current->addRow(QStringLiteral("实际租金"), Edit5);
    m_current->addRow(QStringLiteral("超期天数"), Edit6);
    m_current->addRow(QStringLiteral("超期罚金"), Edit7);

    CheckBox1 = new QCheckBox(QStringLiteral("破损/丢失/赔偿"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    DBComboBox1 = new QComboBox(GroupBox2);
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->setEditable(true);
    DBEdit6 = new QLineEdit(GroupBox2);
    DBEdit6->setObjectName(QStringLiteral("DBEdit6"));
    DBMemo1 = new QPlainTextEdit(GroupBox2);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setMaximumHeight(70);
    auto *details = new QFormLayout(GroupBox2);
    details->addRow(QStringLiteral("物品状况:"), DBComboBox1);
    details->addRow(QStringLiteral("赔偿金额:"), DBEdit6);
    details->addRow(QStringLiteral("归还备注:"), DBMemo1);

    Button1 = button("Button1", QStringLiteral("归还"));
    Button2 = button("Button2", QStringLiteral("取消"));
    Button3 = button("Button3", QStringLiteral("退出"));
    auto *side = new QVBoxLayout;
    side->addWidget(GroupBox1);
    side->addWidget(CheckBox1);
    side->addWidget(GroupBox2);
    side->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    side->addLayout(buttons);
    auto *list = new QVBoxLayout;
    list->addWidget(DBGrid1, 1);
    list->addWidget(countLabel);
    auto *middle = new QHBoxLayout;
    middle->addLayout(list, 3);
    middle->addLayout(side, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(middle, 1);
    resize(1000, 560);

    auto *lending = new QAction(QStringLiteral("借阅"), this);
    lending->setObjectName(QStringLiteral("N_Borrow"));
    lending->setShortcut(QKeySequence(Qt::Key_F5));
    addAction(lending);
    connect(lending, &QAction::triggered, this, [this] { TBkBorrowFm::open(this, m_db, m_session, false); });

    for (QLineEdit *e : {Edit1, Edit2, Edit3})
        connect(e, &QLineEdit::returnPressed, this, &TBkReturnFm::Button4Click);
    connect(Edit8, &QLineEdit::returnPressed, this, &TBkReturnFm::Edit8Enter);
    connect(Edit4, &QLineEdit::textEdited, this, &TBkReturnFm::daysEdited);
    connect(Button4, &QPushButton::clicked, this, &TBkReturnFm::Button4Click);
    connect(DBGrid1, &GridWidget::currentRowChanged, this, &TBkReturnFm::showCurrent);
    connect(CheckBox1, &QCheckBox::toggled, GroupBox2, &QWidget::setVisible);
    connect(Button1, &QPushButton::clicked, this, &TBkReturnFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TBkReturnFm::CleanData);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);

    // Show.
    const LibrarySwitches &s = m_session.switches;
    WindowParts::setRowVisible(m_current, Edit5, s.启用租金功能);
    WindowParts::setRowVisible(m_current, Edit6, s.启用超期罚金);
    WindowParts::setRowVisible(m_current, Edit7, s.启用超期罚金);
    CleanData();
    try {
        m_focus = CounterFocus::read(m_db).returnFocus;
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    CheckBox1->setChecked(false);
    GroupBox2->setVisible(false);
    InitialFocus();
}

TBkReturnFm::~TBkReturnFm() = default;

TBkReturnFm *TBkReturnFm::current()
{
    return g_open.data();
}

void TBkReturnFm::open(QWidget *parent, SharedConnection &db, LoginSession &session)
{
    TBkReturnFm *w = current();
    if (!w) {
        w = new TBkReturnFm(db, session, parent);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->setWindowFlag(Qt::Window);
        w->setModal(false);
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void TBkReturnFm::firstFocus()
{
    InitialFocus();
}

QDialog *TBkReturnFm::partner() const
{
    return TBkBorrowFm::current();
}

void TBkReturnFm::CleanData()
{
    for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8})
        e->clear();
    Edit1->selectAll();
    DBGrid1->close();
    showCurrent();
    DBComboBox1->clear();
    DBComboBox1->addItems({QStringLiteral("完好"), QStringLiteral("破损"), QStringLiteral("丢失")});
    CountRowsNum();
}

void TBkReturnFm::CountRowsNum()
{
    countLabel->setText(QStringLiteral("当前数量:%1").arg(DBGrid1->isOpen() ? DBGrid1->rowCount() : 0));
}

void TBkReturnFm::InitialFocus()
{
    if (m_focus == QStringLiteral("图书编号"))
        Edit1->setFocus();
    else if (m_focus == QStringLiteral("条形码"))
        Edit2->setFocus();
    else if (m_focus == QStringLiteral("读者编号"))
        Edit3->setFocus();
}

void TBkReturnFm::Button4Click()
{
    const BoundQuery query = ReturnDesk::searchQuery(Edit1->text(), Edit2->text(), Edit3->text());
    if (query.sql.isEmpty()) {
        Messages::warn(this, QStringLiteral("请输入搜索条件!"));
        return;
    }
    try {
        DBGrid1->open(m_db, query.sql, query.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    showCurrent();
    if (m_hasLoan) {
        const QString notice = m_desk.fineNotice(m_desk.figures(m_loan));
        if (!notice.isEmpty())
            Messages::info(this, notice);
    }
    CountRowsNum();
}

void TBkReturnFm::Edit8Enter()
{
    if (Edit8->text().isEmpty())
        return;
    QString reader;
    if (!m_desk.readerOfCard(Edit8->text(), &reader)) {
        Messages::warn(this, QStringLiteral("找不到该卡号的资料!"));
        return;
    }
    Edit3->setText(reader);
    Edit8->clear();
    Button4Click();
}

void TBkReturnFm::showCurrent()
{
    m_hasLoan = false;
    if (DBGrid1->isOpen() && DBGrid1->currentRow() >= 0) {
        try {
            m_hasLoan = m_desk.loan(DBGrid1->value(QStringLiteral("id")).toLongLong(), &m_loan);
            itemShelf->setText(m_hasLoan ? m_desk.shelfOf(m_loan) : QString());
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
            m_hasLoan = false;
        }
    }
    const LoanRow none;
    const LoanRow &r = m_hasLoan ? m_loan : none;
    loanReader->setText(r.读者编号);
    loanReaderName->setText(r.读者姓名);
    loanNumber->setText(r.编号);
    loanTitle->setText(r.名称);
    loanDate->setText(r.借阅日期.toString(QStringLiteral("yyyy-MM-dd")));
    if (!m_hasLoan) {
        itemShelf->clear();
        for (QLineEdit *e : {Edit4, Edit5, Edit6, Edit7})
            e->clear();
        return;
    }
    const ReturnFigures f = m_desk.figures(m_loan);
    Edit4->setText(QString::number(f.实际租期));
    Edit5->setText(f.实际租金.toString());
    Edit6->setText(QString::number(f.超期天数));
    Edit7->setText(f.罚金.toString());
    const ReturnDesk::Input in = m_desk.proposal(m_loan);
    DBComboBox1->setCurrentText(in.condition);
    DBEdit6->setText(in.compensation);
    DBMemo1->setPlainText(in.remark);
}

void TBkReturnFm::daysEdited()
{
    // Days typed over: the rent follows them at the loan's daily rate.
    bool whole = false;
    const int days = Edit4->text().trimmed().toInt(&whole);
    if (m_hasLoan && whole)
        Edit5->setText(ReturnFigures::rentFor(days, m_loan.租金).toString());
}

void TBkReturnFm::Button1Click()
{
    if (!m_hasLoan) {
        CountRowsNum();
        return;
    }
    ReturnDesk::Input in;
    in.days = Edit4->text();
    in.rent = Edit5->text();
    in.fine = Money::fromText(Edit7->text());
    in.condition = DBComboBox1->currentText();
    in.compensation = DBEdit6->text();
    in.remark = DBMemo1->toPlainText();
    const ReturnDesk::Outcome out = m_desk.returnLoan(m_loan, in);
    if (!out.ok) {
        Messages::warn(this, out.message);
        return;
    }
    Messages::info(this, out.message);
    // The returned loan drops out; the search stays for the next one.
    try {
        DBGrid1->open(m_db, DBGrid1->statement(), DBGrid1->values());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    InitialFocus();
    showCurrent();
    CountRowsNum();
}
