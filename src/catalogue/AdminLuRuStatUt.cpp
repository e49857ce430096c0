// SPDX-License-Identifier: MIT
#include "catalogue/AdminLuRuStatUt.h"
#include "catalogue/CatalogueOutputUi.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/RegistrationList.h"
#include "catalogue/RowSet.h"
#include "foundation/GridWidget.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/SharedConnection.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TAdminLuRuStatFm::TAdminLuRuStatFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : DateRangeListWindow(db, parent), m_session(session)
{
    setObjectName(QStringLiteral("AdminLuRuStatFm"));
    setWindowTitle(QStringLiteral("管理员录入量统计"));
    resize(600, 420);
    auto *top = new QGroupBox(this);
    createRange(top, QDate(2008, 8, 10), QDate(2008, 8, 10));
    auto *row = new QHBoxLayout(top);
    addRange(row, top);
    for (QPushButton *b : {Button1, Button2, Button3, Button4})
        row->addWidget(b);

    createGrid();
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
