// SPDX-License-Identifier: MIT
#include "catalogue/BkEditUt.h"
#include "catalogue/BookEditing.h"
#include "catalogue/CallNumber.h"
#include "catalogue/PublisherLookup.h"
#include "catalogue/StockModifyUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUrl>

namespace {
using namespace CatalogueBoxes;
// The boxes in the window's order; a1, a2 and a3 take the session's captions.
const QList<Box> kBoxes = {
    {"编号", "图书编号", Line},           {"条形码", "条形码", Line},
    {"名称", "书名", Memo},               {"出版社", "出版社", Combo, "出版社名", "出版社名"},
    {"分类", "分类", Combo, "分类", "名称"}, {"二级分类", "二级分类", Combo, "二级分类", "名称"},
    {"存放位置", "存放位置", Combo, "存放位置", "存放位置名"},
    {"a1", nullptr, Combo, "a1", "名称"}, {"a2", nullptr, Combo, "a2", "名称"},
    {"a3", nullptr, Combo, "a3", "名称"}, {"附件", "附件", Combo, "附件名", "附件名"},
    {"币种", "币种", Combo, "币种", "币种"}, {"物品级别", "物品级别", Combo, "物品级别", "名称"},
    {"状态", "状态", Combo},              {"来源", "来源", Combo},
    {"捐赠人", "捐赠人", Line},           {"作者", "作者", Line},
    {"译者", "译者", Line},               {"页数", "页数", Line},
    {"版次", "版次", Line},               {"isbn", "ISBN", Line},
    {"出版时间", "出版时间", Line},       {"价格", "价格", Line},
    {"分类号", "分类号", Line},           {"索书号", "索书号", Line},
    {"zch", "种次号", Line},              {"数量", "数量(库存)", Line},
    {"入库时间", "入库时间", DateBox},    {"绝对地址", "电子文档", Line},
    {"py", "拼音", Line},                 {"简介", "简介", Memo},
};
} // namespace

TBkEditFm::TBkEditFm(SharedConnection &db, LoginSession &session, const QString &bookNumber, QWidget *parent)
    : CatalogueEditDialog(db, session, QStringLiteral("图书"), parent)
{
    setObjectName(QStringLiteral("BkEditFm"));
    setWindowTitle(QStringLiteral("图书编辑"));
    QGridLayout *grid = buildBoxes(kBoxes);
    auto *stock = qobject_cast<QLineEdit *>(box(QStringLiteral("数量")));
    stock->setReadOnly(true);
    box(QStringLiteral("py"))->setEnabled(false);
    auto *price = qobject_cast<QLineEdit *>(box(QStringLiteral("价格")));
    price->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), price));
    auto *zch = qobject_cast<QLineEdit *>(box(QStringLiteral("zch")));
    zch->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), zch));
    box(QStringLiteral("绝对地址"))->installEventFilter(this);
    layOut(grid);

    // The lists, filled afresh.
    fillChoiceLists(false);
    qobject_cast<QComboBox *>(box(QStringLiteral("状态")))->addItems({QStringLiteral("正常"), QStringLiteral("不外借")});
    qobject_cast<QComboBox *>(box(QStringLiteral("来源")))->addItems({QStringLiteral("购买"), QStringLiteral("捐赠")});

    connect(m_save, &QPushButton::clicked, this, &TBkEditFm::SaveClick);
    connect(m_stock, &QPushButton::clicked, this, &TBkEditFm::StockClick);
    connect(m_run, &QPushButton::clicked, this, &TBkEditFm::RunClick);
    connect(qobject_cast<QLineEdit *>(box(QStringLiteral("条形码"))), &QLineEdit::returnPressed, this,
            &TBkEditFm::BarcodeEnter);
    connect(qobject_cast<QLineEdit *>(box(QStringLiteral("分类号"))), &QLineEdit::returnPressed, this,
            &TBkEditFm::ClassNumberEnter);
    connect(qobject_cast<QComboBox *>(box(QStringLiteral("来源"))), &QComboBox::currentTextChanged, this,
            &TBkEditFm::SourceChange);

    if (loadRow(bookNumber))
        fillBoxes();
}

QPushButton *TBkEditFm::buttonBeside(const QString &field)
{
    const bool stock = field == QStringLiteral("数量");
    if (!stock && field != QStringLiteral("绝对地址"))
        return nullptr;
    auto *button = new QPushButton(stock ? QStringLiteral("修改") : QStringLiteral("Run"), this);
    button->setAutoDefault(false);
    button->setObjectName(stock ? QStringLiteral("stockButton") : QStringLiteral("runButton"));
    (stock ? m_stock : m_run) = button;
    return button;
}

void TBkEditFm::fillBoxes()
{
    rowToBoxes();
    SourceChange();
}

void TBkEditFm::writeBoxes()
{
    // 数量 through the stock window; py is not edited here. The publisher lookup may have
    // set isbn on the row beyond the box: the box shows it.
    boxesToRow({QStringLiteral("数量"), QStringLiteral("py")});
}

void TBkEditFm::SourceChange()
{
    const bool donated = boxText(QStringLiteral("来源")).trimmed() == QStringLiteral("捐赠");
    box(QStringLiteral("捐赠人"))->setVisible(donated);
    caption(QStringLiteral("捐赠人"))->setVisible(donated);
}
void TBkEditFm::BarcodeEnter()
{
    try {
        const PublisherMatch m = PublisherMatch::byBarcode(m_db, boxText(QStringLiteral("条形码")));
        if (!m.found)
            return;
        setBoxText(QStringLiteral("isbn"), m.isbnPrefix);
        setBoxText(QStringLiteral("出版社"), m.name);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkEditFm::ClassNumberEnter()
{
    try {
        const CallNumber c = CallNumber::propose(m_db, boxText(QStringLiteral("分类号")));
        if (!c.isValid())
            return;
        setBoxText(QStringLiteral("索书号"), c.callNumber);
        setBoxText(QStringLiteral("zch"), QString::number(c.zch));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkEditFm::SaveClick()
{
    writeBoxes();
    const QString message = BookEditing::save(m_row, m_session.rights);
    if (!message.isEmpty()) {
        Messages::warn(this, message);
        return;
    }
    accept();
}

void TBkEditFm::StockClick()
{
    const QString refusal = BookEditing::mayCorrectStock(m_session.rights);
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        return;
    }
    writeBoxes();
    TStockModifyFm stock(m_db, m_session, m_row, this);
    stock.exec();
    // Back in edit mode: the boxes show the row as posted, or as stored when cancelled.
    fillBoxes();
}

void TBkEditFm::RunClick()
{
    const QString file = boxText(QStringLiteral("绝对地址"));
    if (!file.trimmed().isEmpty())
        QDesktopServices::openUrl(QUrl::fromUserInput(file));
}

bool TBkEditFm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box(QStringLiteral("绝对地址")) && event->type() == QEvent::MouseButtonPress) {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("电子文档"));
        if (!file.isEmpty())
            setBoxText(QStringLiteral("绝对地址"), file);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
