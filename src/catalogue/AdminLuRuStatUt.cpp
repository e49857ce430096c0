// SPDX-License-Identifier: MIT
#include "catalogue/AdminLuRuStatUt.h"
#include "catalogue/CatalogueOutputUi.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/RegistrationList.h"
#include "catalogue/RowSet.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/SharedConnection.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAdminLuRuStatFm::TAdminLuRuStatFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("AdminLuRuStatFm"));
    setWindowTitle(QStringLiteral("管理员录入量统计"));
    resize(600, 420);
    auto *top = new QGroupBox(this);
    DateTimePicker1 = new QDateEdit(QDate(2008, 8, 10), top);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker2 = new QDateEdit(QDate(2008, 8, 10), top);
    DateTimePicker2->setObjectName(QStringLiteral("DateTimePicker2"));
    for (QDateEdit *d : {DateTimePicker1, DateTimePicker2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    auto button = [&](const char *name, const char *text) {
        auto *b = new QPushButton(QString::fromUtf8(text), top);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", "统计");
    Button2 = button("Button2", "打印");
    Button3 = button("Button3", "Excel");
    Button4 = button("Button4", "返回");
    auto *row = new QHBoxLayout(top);
    row->addWidget(new QLabel(QStringLiteral("从"), top));
    row->addWidget(DateTimePicker1);
    row->addWidget(new QLabel(QStringLiteral("到"), top));
    row->addWidget(DateTimePicker2);
    for (QPushButton *b : {Button1, Button2, Button3, Button4})
        row->addWidget(b);

    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setColumns({GridColumn("登记人"), GridColumn("记录数").number(), GridColumn("总价格").money()});
    // The grid takes the height below the top group.
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(top);
    layout->addWidget(dxDBGrid1, 1);

    connect(Button1, &QPushButton::clicked, this, &TAdminLuRuStatFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, [this] {
        if (!dxDBGrid1->isOpen())
            return;
        try {
            QSqlQuery q = dxDBGrid1->exportQuery();
            const RowSet rows = RowSet::fromQuery(QStringLiteral("图书"), q);
            const auto report = CatalogueReports::perOperator(rows);
            CatalogueOutput::preview(this, *report, windowTitle());
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    connect(Button3, &QPushButton::clicked, this,
            [this] { ExcelExportUi::exportGrid(this, *dxDBGrid1, windowTitle()); });
    connect(Button4, &QPushButton::clicked, this, &QDialog::close);
}

void TAdminLuRuStatFm::Button1Click()
{
    const QDate from = DateTimePicker1->date(), to = DateTimePicker2->date();
    Messages::info(this, RegistrationList::perOperatorText(m_db.dialect(), from, to));
    const ListStatement s = RegistrationList::perOperator(from, to);
    try {
        dxDBGrid1->close();
        dxDBGrid1->open(m_db, s.sql, s.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
