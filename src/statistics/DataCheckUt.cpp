// SPDX-License-Identifier: MIT
#include "statistics/DataCheckUt.h"
#include "foundation/DayClock.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "statistics/StockTaking.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// Caption and value labels in two columns of a group.
QList<QLabel *> addCounts(QWidget *group, const QStringList &captions, const QStringList &names)
{
    auto *grid = new QGridLayout(group);
    QList<QLabel *> values;
    for (int i = 0; i < captions.size(); ++i) {
        auto *caption = new QLabel(captions[i], group);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *value = new QLabel(QStringLiteral("0"), group);
        value->setObjectName(names[i]);
        value->setMinimumWidth(80);
        grid->addWidget(caption, i / 2, (i % 2) * 2);
        grid->addWidget(value, i / 2, (i % 2) * 2 + 1);
        values << value;
    }
    return values;
}
} // namespace

const QStringList &TDataCheckFm::totalLabelNames()
{
    static const QStringList names{QStringLiteral("LabelBooks"),        QStringLiteral("LabelPeriodicals"),
                                   QStringLiteral("LabelReaders"),      QStringLiteral("LabelOpenLoans"),
                                   QStringLiteral("LabelAllLoans"),     QStringLiteral("LabelBookCopies"),
                                   QStringLiteral("LabelPeriodicalCopies")};
    return names;
}

const QStringList &TDataCheckFm::periodLabelNames()
{
    static const QStringList names{QStringLiteral("LabelLoans"),         QStringLiteral("LabelReturns"),
                                   QStringLiteral("LabelNewBooks"),      QStringLiteral("LabelNewPeriodicals"),
                                   QStringLiteral("LabelNewReaders"),    QStringLiteral("LabelRentIncome")};
    return names;
}

TDataCheckFm::TDataCheckFm(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("DataCheckFm"));
    setWindowTitle(QStringLiteral("数据盘点"));
    // Fixed size, no maximise button.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *totals = new QGroupBox(QStringLiteral("库存总数"), this);
    m_totals = addCounts(totals,
                         {QStringLiteral("图书总数:"), QStringLiteral("期刊总数:"), QStringLiteral("读者总数:"),
                          QStringLiteral("总未还数量:"), QStringLiteral("历史借出总数:"),
                          QStringLiteral("当前在库图书数量:"), QStringLiteral("当前在库期刊数量:")},
                         totalLabelNames());

    auto *period = new QGroupBox(QStringLiteral("时段统计"), this);
    auto *periodLayout = new QVBoxLayout(period);
    auto *dates = new QHBoxLayout;
    Dt1 = new QDateEdit(period);
    Dt1->setObjectName(QStringLiteral("Dt1"));
    Dt2 = new QDateEdit(period);
    Dt2->setObjectName(QStringLiteral("Dt2"));
    for (QDateEdit *d : {Dt1, Dt2}) {
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    Button1 = new QPushButton(QStringLiteral("查询"), period);
    Button1->setObjectName(QStringLiteral("Button1"));
    dates->addWidget(new QLabel(QStringLiteral("时间从:"), period));
    dates->addWidget(Dt1);
    dates->addWidget(new QLabel(QStringLiteral("到"), period));
    dates->addWidget(Dt2);
    dates->addWidget(Button1);
    dates->addStretch(1);
    periodLayout->addLayout(dates);
    auto *periodCounts = new QWidget(period);
    m_period = addCounts(periodCounts,
                         {QStringLiteral("借出次数:"), QStringLiteral("归还次数:"), QStringLiteral("图书入库数:"),
                          QStringLiteral("期刊入库数:"), QStringLiteral("读者登记数:"), QStringLiteral("租金收入:")},
                         periodLabelNames());
    periodLayout->addWidget(periodCounts);

    Button2 = new QPushButton(QStringLiteral("打印"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("关闭"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton *b : {Button1, Button2, Button3})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(totals);
    layout->addWidget(period);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TDataCheckFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDataCheckFm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::close);

    // On opening: today to tomorrow, the period counts, then the totals.
    Dt1->setDate(DayClock::today());
    Dt2->setDate(DayClock::today().addDays(1));
    Button1Click();
    countTotals();
}

void TDataCheckFm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void TDataCheckFm::countTotals()
{
    try {
        const QList<StockTaking::Count> counts = StockTaking::totals(m_db);
        for (int i = 0; i < counts.size() && i < m_totals.size(); ++i)
            m_totals[i]->setText(counts[i].text());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TDataCheckFm::Button1Click()
{
    // A "to" before "from" simply counts nothing.
    try {
        const QList<StockTaking::Count> counts = StockTaking::periodCounts(m_db, Dt1->date(), Dt2->date());
        for (int i = 0; i < counts.size() && i < m_period.size(); ++i)
            m_period[i]->setText(counts[i].text());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

bool TDataCheckFm::printImage(QPagedPaintDevice &device)
{
    const QPixmap image = grab();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    // As large as the page allows, keeping the window's proportions.
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

void TDataCheckFm::Button2Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty()) {
        Messages::warn(this, QStringLiteral("没有找到默认打印机."));
        return;
    }
    if (!printImage(printer))
        Messages::warn(this, QStringLiteral("打印失败."));
}
