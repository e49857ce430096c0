// SPDX-License-Identifier: MIT
#include "catalogue/QkEditUt.h"
#include "catalogue/ChoiceLists.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/Pinyin.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
enum Kind { Line, Combo, Memo, DateBox };
struct Box {
    const char *field;
    const char *caption;
    Kind kind;
    const char *table = nullptr;
    const char *column = nullptr;
};
const Box kBoxes[] = {
    {"编号", "编号", Line},          {"名称", "名称", Line},
    {"条形码", "条形码", Line},      {"出版社", "出版社", Combo, "出版社名", "出版社名"},
    {"物品级别", "物品级别", Combo, "物品级别", "名称"},
    {"存放位置", "存放位置", Combo, "存放位置", "存放位置名"},
    {"数量", "数量", Line},          {"国内统一刊号", "国内统一刊号", Line},
    {"ISSN", "ISSN", Line},          {"分类", "分类", Combo, "分类", "名称"},
    {"邮发代号", "邮发代号", Line},  {"第几期", "第几期", Line},
    {"总第几期", "总第几期", Line},  {"出版时间", "出版时间", Line},
    {"py", "拼音", Line},            {"价格", "价格", Line},
    {"状态", "状态", Combo},         {"借出次数", "借出次数", Line},
    {"入库时间", "入库时间", DateBox}, {"二级分类", "二级分类", Combo, "二级分类", "名称"},
    {"简介", "简介", Memo},
};
} // namespace

TQkEditFm::TQkEditFm(SharedConnection &db, LoginSession &, const QString &number, QWidget *parent)
    : QDialog(parent), m_row(db, QStringLiteral("期刊"))
{
    setObjectName(QStringLiteral("QkEditFm"));
    setWindowTitle(QStringLiteral("期刊编辑"));
    auto *grid = new QGridLayout;
    int cell = 0;
    for (const Box &b : kBoxes) {
        const QString field = QString::fromUtf8(b.field);
        QWidget *w = nullptr;
        switch (b.kind) {
        case Line:
            w = new QLineEdit(this);
            break;
        case Combo: {
            auto *c = new QComboBox(this);
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            if (b.table) {
                try {
                    c->addItems(ChoiceLists::items(db, QString::fromUtf8(b.table), QString::fromUtf8(b.column)));
                } catch (const DatabaseError &e) {
                    Messages::warn(this, e.message());
                }
            }
            w = c;
            break;
        }
        case Memo:
            w = new QPlainTextEdit(this);
            w->setMaximumHeight(70);
            break;
        case DateBox: {
            auto *d = new QDateEdit(this);
            d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            d->setCalendarPopup(true);
            w = d;
            break;
        }
        }
        w->setObjectName(QStringLiteral("field_") + field);
        m_boxes.insert(field, w);
        const bool wide = b.kind == Memo;
        if (wide && cell % 2)
            ++cell;
        grid->addWidget(new QLabel(QString::fromUtf8(b.caption), this), cell / 2, (cell % 2) * 2);
        grid->addWidget(w, cell / 2, (cell % 2) * 2 + 1, 1, wide ? 3 : 1);
        cell += wide ? 2 : 1;
    }
    qobject_cast<QComboBox *>(box(QStringLiteral("状态")))->addItems({QStringLiteral("正常"), QStringLiteral("不外借")});
    box(QStringLiteral("py"))->setEnabled(false);

    auto *save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton *b : {save, cancel})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &TQkEditFm::SaveClick);
    connect(cancel, &QPushButton::clicked, this, &TQkEditFm::reject);

    try {
        if (!m_row.load(number)) {
            Messages::warn(this, QStringLiteral("没有找到编号为%1的期刊.").arg(number));
            return;
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    fillBoxes();
    // Connected after filling: only the operator's changes recompute py.
    connect(qobject_cast<QLineEdit *>(box(QStringLiteral("名称"))), &QLineEdit::textEdited, this, &TQkEditFm::NameChange);
}

void TQkEditFm::fillBoxes()
{
    for (const Box &b : kBoxes) {
        const QString field = QString::fromUtf8(b.field);
        QWidget *w = box(field);
        const QString text = m_row.text(field);
        if (auto *l = qobject_cast<QLineEdit *>(w)) {
            l->setText(text);
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            c->setCurrentIndex(c->findText(text));
            c->setEditText(text);
        } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
            m->setPlainText(text);
        } else if (auto *d = qobject_cast<QDateEdit *>(w)) {
            const QDateTime at = SqlValues::toDateTime(m_row.value(field));
            d->setDate(at.isValid() ? at.date() : QDate(2000, 1, 1));
        }
    }
}

void TQkEditFm::writeBoxes()
{
    for (const Box &b : kBoxes) {
        const QString field = QString::fromUtf8(b.field);
        QWidget *w = box(field);
        if (auto *l = qobject_cast<QLineEdit *>(w)) {
            m_row.setText(field, l->text());
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            m_row.setText(field, c->currentText());
        } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
            m_row.setText(field, m->toPlainText());
        } else if (auto *d = qobject_cast<QDateEdit *>(w)) {
            const QDateTime stored = SqlValues::toDateTime(m_row.stored(field));
            if (!stored.isValid() || stored.date() != d->date())
                m_row.setValue(field, QDateTime(d->date(), stored.isValid() ? stored.time() : QTime(0, 0)));
        }
    }
}

void TQkEditFm::NameChange()
{
    // Emptied and rebuilt from the title's byte pairs, not trimmed.
    qobject_cast<QLineEdit *>(box(QStringLiteral("py")))
        ->setText(PinyinOf(qobject_cast<QLineEdit *>(box(QStringLiteral("名称")))->text()));
}

void TQkEditFm::SaveClick()
{
    writeBoxes();
    try {
        m_row.post();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    Messages::info(this, QStringLiteral("保存完毕"));
    accept();
}

void TQkEditFm::reject()
{
    m_row.cancel();
    QDialog::reject();
}
