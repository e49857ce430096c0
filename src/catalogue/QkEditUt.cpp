// SPDX-License-Identifier: MIT
#include "catalogue/QkEditUt.h"
#include "foundation/Messages.h"
#include "foundation/Pinyin.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
using namespace CatalogueBoxes;
const QList<Box> kBoxes = {
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

TQkEditFm::TQkEditFm(SharedConnection &db, LoginSession &session, const QString &number, QWidget *parent)
    : CatalogueEditDialog(db, session, QStringLiteral("期刊"), parent)
{
    setObjectName(QStringLiteral("QkEditFm"));
    setWindowTitle(QStringLiteral("期刊编辑"));
    QGridLayout *grid = buildBoxes(kBoxes);
    fillChoiceLists(true);
    qobject_cast<QComboBox *>(box(QStringLiteral("状态")))->addItems({QStringLiteral("正常"), QStringLiteral("不外借")});
    box(QStringLiteral("py"))->setEnabled(false);
    layOut(grid);
    connect(m_save, &QPushButton::clicked, this, &TQkEditFm::SaveClick);

    if (!loadRow(number))
        return;
    rowToBoxes();
    // Connected after filling: only the operator's changes recompute py.
    connect(qobject_cast<QLineEdit *>(box(QStringLiteral("名称"))), &QLineEdit::textEdited, this, &TQkEditFm::NameChange);
}

void TQkEditFm::NameChange()
{
    // Emptied and rebuilt from the title's byte pairs, not trimmed.
    qobject_cast<QLineEdit *>(box(QStringLiteral("py")))
        ->setText(PinyinOf(qobject_cast<QLineEdit *>(box(QStringLiteral("名称")))->text()));
}

void TQkEditFm::SaveClick()
{
    boxesToRow();
    try {
        m_row.post();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    Messages::info(this, QStringLiteral("保存完毕"));
    accept();
}
