// SPDX-License-Identifier: MIT
#include "catalogue/QkAddUt.h"
#include "catalogue/CatalogueBoxesUi.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/Pinyin.h"
#include "foundation/SharedConnection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
using CatalogueBoxes::setComboText;
using CatalogueBoxes::textOf;
} // namespace

TQkAddFm::TQkAddFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("QkAddFm"));
    setWindowTitle(QStringLiteral("添加期刊---字体加重的项必须填写"));
    auto *grid = new QGridLayout;
    int cell = 0;
    auto place = [&](const char *caption, bool bold, QWidget *w, const char *name, const char *column, bool wide = false) {
        w->setObjectName(QString::fromLatin1(name));
        if (column)
            m_boxOf.insert(QString::fromUtf8(column), w);
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        if (bold) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
        }
        if (wide && cell % 2)
            ++cell;
        grid->addWidget(label, cell / 2, (cell % 2) * 2);
        grid->addWidget(w, cell / 2, (cell % 2) * 2 + 1, 1, wide ? 3 : 1);
        cell += wide ? 2 : 1;
    };
    auto line = [this] { return new QLineEdit(this); };
    auto combo = [this] {
        auto *c = new QComboBox(this);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        return c;
    };
    place("编号", true, Edit1 = line(), "Edit1", "编号");
    place("名称", true, Edit2 = line(), "Edit2", "名称");
    place("条形码", true, Edit3 = line(), "Edit3", "条形码");
    place("租金级别", false, ComboBox2 = combo(), "ComboBox2", "物品级别");
    place("出版社", false, ComboBox1 = combo(), "ComboBox1", "出版社");
    place("存放位置", false, ComboBox3 = combo(), "ComboBox3", "存放位置");
    place("分类", false, ComboBox4 = combo(), "ComboBox4", "分类");
    place("二级分类", false, ComboBox5 = combo(), "ComboBox5", "二级分类");
    place("状态", false, ComboBox6 = combo(), "ComboBox6", "状态");
    place("ISSN", false, Edit5 = line(), "Edit5", "ISSN");
    place("国内统一刊号", false, Edit6 = line(), "Edit6", "国内统一刊号");
    place("邮发代号", false, Edit7 = line(), "Edit7", "邮发代号");
    place("第几期", false, Edit8 = line(), "Edit8", "第几期");
    place("总第几期", false, Edit9 = line(), "Edit9", "总第几期");
    DateTimePicker1 = new QDateEdit(QDate(2008, 3, 26), this);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateTimePicker1->setCalendarPopup(true);
    place("出版时间", false, DateTimePicker1, "DateTimePicker1", nullptr);
    place("价格", true, Edit10 = line(), "Edit10", "价格");
    place("数量", true, Edit4 = line(), "Edit4", "数量");
    place("拼音", false, Edit11 = line(), "Edit11", "py");
    Edit11->setEnabled(false);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setMaximumHeight(70);
    place("简介", false, Memo1, "Memo1", "简介", true);
    Edit10->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), Edit10));
    Edit4->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit4));

    CheckBox1 = new QCheckBox(QStringLiteral("保存后清空数据"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    Button1 = new QPushButton(QStringLiteral("保存"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {Button1, Button2})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CheckBox1);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(Edit2, &QLineEdit::textChanged, this, &TQkAddFm::Edit2Change);
    connect(Edit3, &QLineEdit::returnPressed, this, &TQkAddFm::Edit3KeyPress);
    connect(Button1, &QPushButton::clicked, this, &TQkAddFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    InitialData();
    CatalogueBoxes::fillKeepingText(this, m_db,
                                    {{ComboBox1, "出版社名", "出版社名"},
                                     {ComboBox2, "物品级别", "名称"},
                                     {ComboBox3, "存放位置", "存放位置名"},
                                     {ComboBox4, "分类", "名称"},
                                     {ComboBox5, "二级分类", "名称"}});
    ComboBox6->addItems({QStringLiteral("正常"), QStringLiteral("不外借")});
    setComboText(ComboBox6, QStringLiteral("正常"));
}

void TQkAddFm::setText(const QString &column, const QString &text)
{
    CatalogueBoxes::setTextOf(boxOf(column), text);
}

void TQkAddFm::InitialData()
{
    Edit1->setFocus();
    for (const QString &column : PeriodicalRegistration::boxColumns())
        setText(column, QString());
    const PeriodicalEntry d = PeriodicalRegistration::defaults();
    for (auto it = d.values.begin(); it != d.values.end(); ++it)
        setText(it.key(), it.value());
}

PeriodicalEntry TQkAddFm::entry() const
{
    PeriodicalEntry e;
    for (const QString &column : PeriodicalRegistration::boxColumns())
        e.setValue(column, textOf(boxOf(column)));
    e.published = DateTimePicker1->date();
    return e;
}

void TQkAddFm::Edit2Change()
{
    Edit11->setText(PinyinOf(Edit2->text()));
}

void TQkAddFm::Edit3KeyPress()
{
    try {
        const auto copied = PeriodicalRegistration(m_db, m_session.OperatorName).fromStoredBarcode(Edit3->text());
        for (const auto &[column, text] : copied)
            setText(column, text);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TQkAddFm::Button1Click()
{
    const PeriodicalEntry e = entry();
    QString message = PeriodicalRegistration::check(e);
    if (message.isEmpty())
        message = PeriodicalRegistration(m_db, m_session.OperatorName).save(e);
    if (!message.isEmpty()) {
        Messages::warn(this, message);
        return;
    }
    Messages::info(this, QStringLiteral("保存完毕"));
    if (CheckBox1->isChecked())
        InitialData();
}
