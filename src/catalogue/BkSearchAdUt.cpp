// SPDX-License-Identifier: MIT
#include "catalogue/BkSearchAdUt.h"
#include "catalogue/CatalogueSearch.h"
#include "foundation/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QComboBox *combo(QWidget *parent, const char *name, const QStringList &items, const QString &text, bool typed)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(typed);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setCurrentIndex(int(items.indexOf(text)));
    return c;
}
} // namespace

TBkSearchAdFm::TBkSearchAdFm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BkSearchAdFm"));
    setWindowTitle(QStringLiteral("组合查询"));
    const QStringList fields = CatalogueSearch::sortFields(); // 编号, 条形码, 名称
    const QStringList ops = CatalogueSearch::operators();
    ComboBox1 = combo(this, "ComboBox1", fields, QStringLiteral("编号"), true);
    ComboBox3 = combo(this, "ComboBox3", ops, QStringLiteral(">="), false);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox2 = combo(this, "ComboBox2", fields, QStringLiteral("编号"), true);
    ComboBox4 = combo(this, "ComboBox4", ops, QStringLiteral("<="), false);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    ComboBox5 = combo(this, "ComboBox5", fields, QStringLiteral("编号"), false);
    ComboBox6 = combo(this, "ComboBox6", {QStringLiteral("asc"), QStringLiteral("desc")}, QStringLiteral("asc"), false);
    Button1 = new QPushButton(QStringLiteral("ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("exit"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    auto *grid = new QGridLayout;
    grid->addWidget(ComboBox1, 0, 0);
    grid->addWidget(ComboBox3, 0, 1);
    grid->addWidget(Edit1, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("并且"), this), 1, 0);
    grid->addWidget(ComboBox2, 2, 0);
    grid->addWidget(ComboBox4, 2, 1);
    grid->addWidget(Edit2, 2, 2);
    grid->addWidget(ComboBox5, 3, 0);
    grid->addWidget(ComboBox6, 3, 1);
    auto *help = new QLabel(QStringLiteral("排序:    asc升序  desc降序"), this);
    help->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(help, 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TBkSearchAdFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TBkSearchAdFm::Button1Click()
{
    const SearchBuild b = CatalogueSearch::booksCombined({ComboBox1->currentText(), ComboBox3->currentText(), Edit1->text()},
                                                         {ComboBox2->currentText(), ComboBox4->currentText(), Edit2->text()},
                                                         ComboBox5->currentText(), ComboBox6->currentText());
    if (!b.ok) {
        // An incomplete first condition: nothing happens. A typed field the table
        // lacks: said, and the window stays.
        if (!b.message.isEmpty())
            Messages::warn(this, b.message);
        return;
    }
    m_statement = b.statement;
    accept();
}
