// SPDX-License-Identifier: MIT
#include "statistics/BkJySearchUt.h"
#include "foundation/DayClock.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "statistics/LoanRecordDeletion.h"
#include "statistics/StatisticsReports.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QVBoxLayout>

TBkJySearchFm::TBkJySearchFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("BkJySearchFm"));
    setWindowTitle(QStringLiteral("借阅信息查询"));
    WindowParts::startMaximized(this, QSize(1000, 640));

    auto *group = new QGroupBox(QStringLiteral("请设定查询条件"), this);
    auto *grid = new QGridLayout(group);
    auto edit = [group](const char *name) {
        auto *e = new QLineEdit(group);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    Edit1 = edit("Edit1");
    Edit2 = edit("Edit2");
    Edit3 = edit("Edit3");
    Edit4 = edit("Edit4");
    Edit5 = edit("Edit5");
    const QList<std::pair<const char *, QLineEdit *>> edits{
        {"编号:", Edit1}, {"名称:", Edit2}, {"条形码:", Edit3}, {"读者编号:", Edit4}, {"读者姓名:", Edit5}};
    for (int i = 0; i < edits.size(); ++i) {
        grid->addWidget(new QLabel(QString::fromUtf8(edits[i].first), group), 0, i * 2);
        grid->addWidget(edits[i].second, 0, i * 2 + 1);
    }

    auto picker = [group](const char *name, const QDate &date) {
        QDateEdit *d = WindowParts::dateBox(group, name, date);
        d->setEnabled(false); // until its check box is ticked
        return d;
    };
    // The "from" dates start at 3 March 2008, the "to" dates today.
    const QDate start(2008, 3, 3);
    DateTimePicker1 = picker("DateTimePicker1", start);
    DateTimePicker2 = picker("DateTimePicker2", DayClock::today());
    DateTimePicker3 = picker("DateTimePicker3", start);
    DateTimePicker4 = picker("DateTimePicker4", DayClock::today());
    auto check = [group](const char *name, const char *text) {
        auto *c = new QCheckBox(QString::fromUtf8(text), group);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    CheckBox1 = check("CheckBox1", "借阅时间 从");
    CheckBox2 = check("CheckBox2", "归还时间 从");
    CheckBox3 = check("CheckBox3", "已还");
    ComboBox1 = new QComboBox(group);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->addItems({QStringLiteral("是"), QStringLiteral("否")});
    ComboBox1->setCurrentText(QStringLiteral("是"));
    ComboBox1->setEnabled(false);
    connect(CheckBox1, &QCheckBox::toggled, DateTimePicker1, &QWidget::setEnabled);
    connect(CheckBox1, &QCheckBox::toggled, DateTimePicker2, &QWidget::setEnabled);
    connect(CheckBox2, &QCheckBox::toggled, DateTimePicker3, &QWidget::setEnabled);
    connect(CheckBox2, &QCheckBox::toggled, DateTimePicker4, &QWidget::setEnabled);
    connect(CheckBox3, &QCheckBox::toggled, ComboBox1, &QWidget::setEnabled);

    auto *dates = new QHBoxLayout;
    dates->addWidget(CheckBox1);
    dates->addWidget(DateTimePicker1);
    dates->addWidget(new QLabel(QStringLiteral("到"), group));
    dates->addWidget(DateTimePicker2);
    dates->addSpacing(16);
    dates->addWidget(CheckBox2);
    dates->addWidget(DateTimePicker3);
    dates->addWidget(new QLabel(QStringLiteral("到"), group));
    dates->addWidget(DateTimePicker4);
    dates->addSpacing(16);
    dates->addWidget(CheckBox3);
    dates->addWidget(ComboBox1);
    dates->addStretch(1);
    grid->addLayout(dates, 1, 0, 1, 10);

    using WindowParts::button;
    Button1 = button(group, "Button1", QStringLiteral("查询"));
    Button3 = button(group, "Button3", QStringLiteral("打印"));
    Button4 = button(group, "Button4", QStringLiteral("转EXCEL"));
    Button5 = button(group, "Button5", QStringLiteral("删除"));
    Button2 = button(group, "Button2", QStringLiteral("退出"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {Button1, Button3, Button4, Button5, Button2})
        buttons->addWidget(b);
    grid->addLayout(buttons, 2, 0, 1, 10);

    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    QList<GridColumn> columns;
    for (const QString &field : LoanRecords::gridColumns()) {
        GridColumn c(field);
        if (field == QStringLiteral("押金"))
            c.hide();
        columns << c;
    }
    auto column = [&columns](const char *field) -> GridColumn & {
        for (GridColumn &c : columns)
            if (c.field == QString::fromUtf8(field))
                return c;
        return columns.first();
    };
    column("价格").money().sum();
    column("租金").money().sum(QStringLiteral("0"));
    column("赔偿金额").money().sum(QStringLiteral("0"));
    column("实际租金").money().sum();
    column("罚金").money().sum();
    column("id").count(QStringLiteral("0"));
    dxDBGrid1->setColumns(columns);
    dxDBGrid1->setKeyField(QStringLiteral("id"));

    // The grid takes the height below the condition group, also after a resize.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(dxDBGrid1, 1);

    connect(Button1, &QPushButton::clicked, this, &TBkJySearchFm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TBkJySearchFm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TBkJySearchFm::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TBkJySearchFm::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);

    // Every loan record at first.
    try {
        dxDBGrid1->open(m_db, LoanRecords::allRowsSql(m_db.dialect()));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

LoanConditions TBkJySearchFm::conditions() const
{
    LoanConditions c;
    c.item = Edit1->text();
    c.title = Edit2->text();
    c.barcode = Edit3->text();
    c.reader = Edit4->text();
    c.name = Edit5->text();
    c.lentRange = CheckBox1->isChecked();
    c.lentFrom = DateTimePicker1->date();
    c.lentTo = DateTimePicker2->date();
    c.returnedRange = CheckBox2->isChecked();
    c.returnedFrom = DateTimePicker3->date();
    c.returnedTo = DateTimePicker4->date();
    c.returnedFlag = CheckBox3->isChecked();
    c.returned = ComboBox1->currentText();
    return c;
}

void TBkJySearchFm::Button1Click()
{
    const LoanStatement s = LoanRecords::build(conditions());
    if (!s.ok) {
        Messages::info(this, s.message);
        return;
    }
    // On an error the grid keeps the rows it showed.
    try {
        dxDBGrid1->open(m_db, s.sql(), s.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

std::unique_ptr<ListReport> TBkJySearchFm::report() const
{
    return StatisticsReports::loanRecords(dxDBGrid1->rowTexts(StatisticsReports::loanRecordFields()),
                                          dxDBGrid1->moneySum(QStringLiteral("价格")),
                                          dxDBGrid1->moneySum(QStringLiteral("实际租金")),
                                          dxDBGrid1->moneySum(QStringLiteral("赔偿金额")));
}

void TBkJySearchFm::Button3Click()
{
    WindowParts::previewReport(this, *dxDBGrid1, [this] { return report(); });
}

void TBkJySearchFm::Button4Click()
{
    if (!dxDBGrid1->isOpen())
        return;
    try {
        // Headed by the loan table's own spellings (its cardId is not 读者库's CardId).
        QSqlQuery query = dxDBGrid1->exportQuery();
        QStringList captions;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            captions << Schema::spelling(QStringLiteral("借出记录"), record.fieldName(i));
        ExcelExportUi::exportQuery(this, query, QStringLiteral("借出记录"), captions);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkJySearchFm::Button5Click()
{
    const QString refusal = LoanRecordDeletion::refusal(m_session.rights);
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        return;
    }
    if (dxDBGrid1->currentRow() < 0)
        return;
    const QString question = LoanRecordDeletion::question(dxDBGrid1->value(QStringLiteral("读者姓名")).toString(),
                                                          dxDBGrid1->value(QStringLiteral("名称")).toString());
    if (!Messages::ask(this, question, QStringLiteral("提示")))
        return;
    try {
        const LoanRecordDeletion::Result r = LoanRecordDeletion::remove(
            m_db, m_session.rights, dxDBGrid1->value(QStringLiteral("id")).toLongLong(), m_session.OperatorName);
        dxDBGrid1->refresh();
        if (r.ok)
            Messages::info(this, r.message);
        else
            Messages::warn(this, r.message);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
