// SPDX-License-Identifier: MIT
#include "catalogue/BkRegUt.h"
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
#include "foundation/WindowPartsUi.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TBkRegFm::TBkRegFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("BkRegFm"));
    setWindowTitle(QStringLiteral("资料入库登记信息统计"));
    resize(960, 600);
    auto *bar = new QToolBar(this);
    auto tool = [bar](const char *name, const char *text) { return WindowParts::toolButton(bar, name, QString::fromUtf8(text)); };
    ToolButton1 = tool("ToolButton1", "打印");
    ToolButton2 = tool("ToolButton2", "导出Excel");
    ToolButton4 = tool("ToolButton4", "管理员录入统计");
    ToolButton3 = tool("ToolButton3", "退出");

    GroupBox1 = new QGroupBox(QStringLiteral("图书"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = new QRadioButton(QStringLiteral("图书"), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("期刊"), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    DateTimePicker1 = new QDateEdit(QDate(2008, 3, 10), GroupBox1);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker2 = new QDateEdit(QDate(2008, 3, 10), GroupBox1);
    DateTimePicker2->setObjectName(QStringLiteral("DateTimePicker2"));
    for (QDateEdit *d : {DateTimePicker1, DateTimePicker2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    Button1 = new QPushButton(QStringLiteral("统计"), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto *top = new QHBoxLayout(GroupBox1);
    top->addWidget(RadioButton1);
    top->addWidget(RadioButton2);
    top->addWidget(new QLabel(QStringLiteral("入库登记时间从"), GroupBox1));
    top->addWidget(DateTimePicker1);
    top->addWidget(new QLabel(QStringLiteral("到"), GroupBox1));
    top->addWidget(DateTimePicker2);
    top->addWidget(Button1);
    top->addStretch();

    dxDBGrid1 = new GridWidget(this);
    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    QList<GridColumn> columns{GridColumn("编号").count(), GridColumn("条形码"),    GridColumn("名称"),
                              GridColumn("分类"),         GridColumn("存放位置"),  GridColumn("出版社"),
                              GridColumn("数量").sum(),   GridColumn("价格").money().sum(),
                              GridColumn("入库时间").date(), GridColumn("登记人")};
    for (const char *hidden : {"索书号", "分类号", "租金级别", "一级分类", "二级分类", "py", "作者", "译者", "币种",
                               "出版时间", "页数", "ISBN", "版次", "密级", "借出次数", "状态", "附件", "简介",
                               "图片地址", "绝对地址"})
        columns << GridColumn(hidden).hide();
    dxDBGrid1->setColumns(columns);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(GroupBox1);
    layout->addWidget(dxDBGrid1, 1);

    connect(RadioButton1, &QRadioButton::toggled, this, [this] { GroupBox1->setTitle(table()); });
    connect(Button1, &QPushButton::clicked, this, &TBkRegFm::Button1Click);
    connect(ToolButton1, &QToolButton::clicked, this, [this] {
        if (!dxDBGrid1->isOpen())
            return;
        try {
            QSqlQuery q = dxDBGrid1->exportQuery();
            const RowSet rows = RowSet::fromQuery(table(), q);
            const auto report = CatalogueReports::registrationList(rows, table());
            CatalogueOutput::preview(this, *report, QStringLiteral("入库登记"));
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
        }
    });
    connect(ToolButton2, &QToolButton::clicked, this,
            [this] { ExcelExportUi::exportGrid(this, *dxDBGrid1, QStringLiteral("入库登记")); });
    connect(ToolButton4, &QToolButton::clicked, this, [this] {
        TAdminLuRuStatFm perOperator(m_db, m_session, this);
        perOperator.exec();
    });
    connect(ToolButton3, &QToolButton::clicked, this, &QDialog::close);
}

QString TBkRegFm::table() const
{
    return RadioButton2->isChecked() ? QStringLiteral("期刊") : QStringLiteral("图书");
}

void TBkRegFm::Button1Click()
{
    const QString warning = RegistrationList::rangeWarning(DateTimePicker1->date(), DateTimePicker2->date());
    if (!warning.isEmpty())
        Messages::warn(this, warning);
    const ListStatement s = RegistrationList::registered(GroupBox1->title(), DateTimePicker1->date(), DateTimePicker2->date());
    try {
        dxDBGrid1->close();
        dxDBGrid1->open(m_db, s.sql, s.values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
