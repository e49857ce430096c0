// SPDX-License-Identifier: MIT
#include "maintenance/BatchDataUt.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "maintenance/LocationMove.h"
#include "maintenance/ReaderBulkDeletion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QComboBox *listBox(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent); // not editable: only items of its list
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(160);
    return box;
}

QPushButton *button(QWidget *parent, const QString &caption, const char *name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

TBatchDataFm::TBatchDataFm(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("批处理"));
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));

    auto *move = new QWidget(tabs);
    ComboBox1 = listBox(move, "ComboBox1");
    ComboBox1->addItems({QStringLiteral("图书"), QStringLiteral("期刊")});
    ComboBox2 = listBox(move, "ComboBox2");
    ComboBox3 = listBox(move, "ComboBox3");
    Button1 = button(move, QStringLiteral("执行"), "Button1");
    auto *moveForm = new QFormLayout(move);
    moveForm->addRow(QStringLiteral("库"), ComboBox1);
    moveForm->addRow(QStringLiteral("修改前的"), ComboBox2);
    moveForm->addRow(QStringLiteral("修改后的"), ComboBox3);
    moveForm->addRow(QString(), Button1);
    tabs->addTab(move, QStringLiteral("批量修改存放位置"));

    auto *readers = new QWidget(tabs);
    CheckBox1 = new QCheckBox(QStringLiteral("院系"), readers);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("班级"), readers);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox3 = new QCheckBox(QStringLiteral("单位部门"), readers);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    ComboBox4 = listBox(readers, "ComboBox4");
    ComboBox5 = listBox(readers, "ComboBox5");
    ComboBox6 = listBox(readers, "ComboBox6");
    Button2 = button(readers, QStringLiteral("执行"), "Button2");
    auto *grid = new QGridLayout(readers);
    const QList<QPair<QCheckBox *, QComboBox *>> pairs{{CheckBox1, ComboBox4}, {CheckBox2, ComboBox5}, {CheckBox3, ComboBox6}};
    int row = 0;
    for (const auto &p : pairs) {
        p.second->setEnabled(false);
        connect(p.first, &QCheckBox::toggled, p.second, &QWidget::setEnabled);
        grid->addWidget(p.first, row, 0);
        grid->addWidget(p.second, row, 1);
        ++row;
    }
    grid->addWidget(Button2, row, 1);
    grid->setRowStretch(row + 1, 1);
    tabs->addTab(readers, QStringLiteral("批量删除读者"));

    Button3 = button(this, QStringLiteral("确定"), "Button3");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TBatchDataFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TBatchDataFm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
    FormShow();
}

void TBatchDataFm::FormShow()
{
    try {
        const QStringList places = LocationMove::locations(m_db);
        ComboBox2->addItems(places);
        ComboBox3->addItems(places);
        ComboBox4->addItems(ReaderBulkDeletion::faculties(m_db));
        ComboBox5->addItems(ReaderBulkDeletion::classes(m_db));
        ComboBox6->addItems(ReaderBulkDeletion::units(m_db));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    // Nothing is chosen at opening but the table.
    for (QComboBox *box : {ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6})
        box->setCurrentIndex(-1);
}

void TBatchDataFm::Button1Click()
{
    const QString table = ComboBox1->currentText();
    const QString from = ComboBox2->currentText();
    const QString to = ComboBox3->currentText();
    if (!LocationMove::complete(table, from, to)) {
        Messages::warn(this, LocationMove::incompleteMessage());
        return;
    }
    Messages::info(this, LocationMove::statementText(m_db.dialect(), table, from, to));
    try {
        LocationMove::run(m_db, table, from, to);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    Messages::info(this, QStringLiteral("完成!"));
}

void TBatchDataFm::Button2Click()
{
    ReaderChoice c;
    c.byFaculty = CheckBox1->isChecked();
    c.院系 = ComboBox4->currentText();
    c.byClass = CheckBox2->isChecked();
    c.班级 = ComboBox5->currentText();
    c.byUnit = CheckBox3->isChecked();
    c.单位部门 = ComboBox6->currentText();
    if (!ReaderBulkDeletion::complete(c))
        return; // a ticked box without a choice: nothing happens
    const QString statement = ReaderBulkDeletion::statementText(m_db.dialect(), c);
    try {
        const int n = ReaderBulkDeletion::count(m_db, c);
        if (n == 0) {
            Messages::info(this, statement + QStringLiteral("\n\n没有符合条件的读者."));
            return;
        }
        if (!Messages::ask(this, ReaderBulkDeletion::question(statement, n)))
            return;
        const int deleted = ReaderBulkDeletion::run(m_db, c);
        Messages::info(this, QStringLiteral("完成! 删除了 %1 位读者.").arg(deleted));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
