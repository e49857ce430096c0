// SPDX-License-Identifier: MIT
#include "catalogue/BkEditUt.h"
#include "catalogue/BookEditing.h"
#include "catalogue/CallNumber.h"
#include "catalogue/ChoiceLists.h"
#include "catalogue/PublisherLookup.h"
#include "catalogue/StockModifyUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QUrl>
#include <QVBoxLayout>

namespace {
enum Kind { Line, Combo, Memo, DateBox };
struct Box {
    const char *field;
    const char *caption;
    Kind kind;
    const char *table = nullptr; // the list of a drop-down
    const char *column = nullptr;
};
// The boxes in the window's order; a1, a2 and a3 take the session's captions.
const Box kBoxes[] = {
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
    : QDialog(parent), m_db(db), m_session(session), m_row(db, QStringLiteral("图书"))
{
    setObjectName(QStringLiteral("BkEditFm"));
    setWindowTitle(QStringLiteral("图书编辑"));
    auto *grid = new QGridLayout;
    int cell = 0;
    for (const Box &b : kBoxes) {
        const QString field = QString::fromUtf8(b.field);
        QString captionText = b.caption ? QString::fromUtf8(b.caption) : QString();
        if (field == QLatin1String("a1"))
            captionText = m_session.switches.a1Caption;
        else if (field == QLatin1String("a2"))
            captionText = m_session.switches.a2Caption;
        else if (field == QLatin1String("a3"))
            captionText = m_session.switches.a3Caption;
        QWidget *w = nullptr;
        switch (b.kind) {
        case Line:
            w = new QLineEdit(this);
            break;
        case Combo: {
            auto *c = new QComboBox(this);
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            w = c;
            break;
        }
        case Memo: {
            auto *m = new QPlainTextEdit(this);
            m->setMaximumHeight(field == QStringLiteral("简介") ? 70 : 48);
            w = m;
            break;
        }
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
        auto *label = new QLabel(captionText, this);
        if (field == QStringLiteral("捐赠人"))
            m_donorLabel = label;
        const bool wide = b.kind == Memo;
        if (wide && cell % 2)
            ++cell;
        const int row = cell / 2, col = (cell % 2) * 2;
        grid->addWidget(label, row, col);
        if (field == QStringLiteral("数量") || field == QStringLiteral("绝对地址")) {
            auto *line = new QHBoxLayout;
            line->addWidget(w, 1);
            auto *button = new QPushButton(field == QStringLiteral("数量") ? QStringLiteral("修改") : QStringLiteral("Run"), this);
            button->setAutoDefault(false);
            button->setObjectName(field == QStringLiteral("数量") ? QStringLiteral("stockButton") : QStringLiteral("runButton"));
            (field == QStringLiteral("数量") ? m_stock : m_run) = button;
            line->addWidget(button);
            grid->addLayout(line, row, col + 1);
        } else {
            grid->addWidget(w, row, col + 1, 1, wide ? 3 : 1);
        }
        cell += wide ? 2 : 1;
    }
    auto *stock = qobject_cast<QLineEdit *>(box(QStringLiteral("数量")));
    stock->setReadOnly(true);
    box(QStringLiteral("py"))->setEnabled(false);
    auto *price = qobject_cast<QLineEdit *>(box(QStringLiteral("价格")));
    price->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), price));
    auto *zch = qobject_cast<QLineEdit *>(box(QStringLiteral("zch")));
    zch->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), zch));
    box(QStringLiteral("绝对地址"))->installEventFilter(this);

    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton *b : {m_save, m_cancel})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // The lists, filled afresh.
    try {
        for (const Box &b : kBoxes)
            if (b.kind == Combo && b.table)
                qobject_cast<QComboBox *>(box(QString::fromUtf8(b.field)))
                    ->addItems(ChoiceLists::items(m_db, QString::fromUtf8(b.table), QString::fromUtf8(b.column)));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    qobject_cast<QComboBox *>(box(QStringLiteral("状态")))->addItems({QStringLiteral("正常"), QStringLiteral("不外借")});
    qobject_cast<QComboBox *>(box(QStringLiteral("来源")))->addItems({QStringLiteral("购买"), QStringLiteral("捐赠")});

    connect(m_save, &QPushButton::clicked, this, &TBkEditFm::SaveClick);
    connect(m_cancel, &QPushButton::clicked, this, &TBkEditFm::reject);
    connect(m_stock, &QPushButton::clicked, this, &TBkEditFm::StockClick);
    connect(m_run, &QPushButton::clicked, this, &TBkEditFm::RunClick);
    connect(qobject_cast<QLineEdit *>(box(QStringLiteral("条形码"))), &QLineEdit::returnPressed, this,
            &TBkEditFm::BarcodeEnter);
    connect(qobject_cast<QLineEdit *>(box(QStringLiteral("分类号"))), &QLineEdit::returnPressed, this,
            &TBkEditFm::ClassNumberEnter);
    connect(qobject_cast<QComboBox *>(box(QStringLiteral("来源"))), &QComboBox::currentTextChanged, this,
            &TBkEditFm::SourceChange);

    try {
        if (!m_row.load(bookNumber)) {
            Messages::warn(this, QStringLiteral("没有找到编号为%1的图书.").arg(bookNumber));
            return;
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    fillBoxes();
}

QString TBkEditFm::boxText(const QString &field) const
{
    QWidget *w = box(field);
    if (auto *l = qobject_cast<QLineEdit *>(w))
        return l->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *m = qobject_cast<QPlainTextEdit *>(w))
        return m->toPlainText();
    return {};
}

void TBkEditFm::setBoxText(const QString &field, const QString &text)
{
    QWidget *w = box(field);
    if (auto *l = qobject_cast<QLineEdit *>(w)) {
        l->setText(text);
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        c->setCurrentIndex(c->findText(text));
        c->setEditText(text);
    } else if (auto *m = qobject_cast<QPlainTextEdit *>(w)) {
        m->setPlainText(text);
    }
}

void TBkEditFm::fillBoxes()
{
    for (const Box &b : kBoxes) {
        const QString field = QString::fromUtf8(b.field);
        if (b.kind == DateBox) {
            const QDateTime at = SqlValues::toDateTime(m_row.value(field));
            qobject_cast<QDateEdit *>(box(field))->setDate(at.isValid() ? at.date() : QDate(2000, 1, 1));
        } else {
            setBoxText(field, m_row.text(field));
        }
    }
    SourceChange();
}

void TBkEditFm::writeBoxes()
{
    for (const Box &b : kBoxes) {
        const QString field = QString::fromUtf8(b.field);
        if (field == QStringLiteral("数量") || field == QLatin1String("py"))
            continue; // 数量 through the stock window; py is not edited here
        if (b.kind == DateBox) {
            // The date box changes the day and keeps the time of day.
            const QDateTime stored = SqlValues::toDateTime(m_row.stored(field));
            const QDate chosen = qobject_cast<QDateEdit *>(box(field))->date();
            if (!stored.isValid() || stored.date() != chosen)
                m_row.setValue(field, QDateTime(chosen, stored.isValid() ? stored.time() : QTime(0, 0)));
            continue;
        }
        m_row.setText(field, boxText(field));
    }
    // The publisher lookup may have set isbn on the row beyond the box: the box shows it.
}

void TBkEditFm::SourceChange()
{
    const bool donated = boxText(QStringLiteral("来源")).trimmed() == QStringLiteral("捐赠");
    box(QStringLiteral("捐赠人"))->setVisible(donated);
    m_donorLabel->setVisible(donated);
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

void TBkEditFm::reject()
{
    m_row.cancel();
    QDialog::reject();
}
