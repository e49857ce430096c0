// SPDX-License-Identifier: MIT
#include "statistics/RankingChartDialog.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>

RankingChartDialog::RankingChartDialog(SharedConnection &db, Rankings::Kind kind, const QString &title,
                                       QWidget *parent)
    : QDialog(parent), m_db(db), m_kind(kind), m_chart(new QChart)
{
    setWindowTitle(title);
    resize(760, 520);

    m_chart->setTitle(QStringLiteral("借阅次数排行"));
    QFont titleFont = m_chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_chart->setTitleFont(titleFont);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->hide();
    // A flat chart on a white back wall.
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);

    DBChart1 = new QChartView(m_chart, this);
    DBChart1->setObjectName(QStringLiteral("DBChart1"));
    DBChart1->setInteractive(false);
    DBChart1->setAttribute(Qt::WA_TransparentForMouseEvents);
    DBChart1->setRenderHint(QPainter::Antialiasing, false);

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBChart1, 1);
    layout->addLayout(buttons);
}

QColor RankingChartDialog::barColour(int row)
{
    static const QList<QColor> palette{
        QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x80, 0x00), QColor(0xFF, 0xD7, 0x00), QColor(0x00, 0x00, 0xFF),
        QColor(0xFF, 0x8C, 0x00), QColor(0x80, 0x00, 0x80), QColor(0x00, 0xCE, 0xD1), QColor(0xFF, 0x14, 0x93),
        QColor(0x80, 0x80, 0x00), QColor(0x8B, 0x45, 0x13), QColor(0x46, 0x82, 0xB4), QColor(0x32, 0xCD, 0x32)};
    return palette[row % palette.size()];
}

void RankingChartDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    try {
        m_rows = Rankings::rows(m_db, m_kind);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    load();
}

void RankingChartDialog::load()
{
    // One stacked bar series whose set k holds only the value of row k: every category
    // shows one bar, and every bar has its own set and so its own colour.
    m_series = new QStackedBarSeries;
    m_series->setBarWidth(0.6);
    QStringList categories;
    qint64 highest = 0;
    for (int k = 0; k < m_rows.size(); ++k) {
        auto *set = new QBarSet(m_rows[k].label);
        for (int i = 0; i < m_rows.size(); ++i)
            *set << (i == k ? qreal(m_rows[k].value) : 0.0);
        set->setColor(barColour(k));
        set->setBorderColor(barColour(k));
        m_series->append(set);
        // The axis takes each text once; equal labels are kept apart by invisible marks.
        categories << m_rows[k].label + QString(k, QChar(0x200B));
        highest = std::max(highest, m_rows[k].value);
    }
    m_chart->addSeries(m_series);

    auto *x = new QBarCategoryAxis;
    x->append(categories);
    m_chart->addAxis(x, Qt::AlignBottom);
    m_series->attachAxis(x);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(0, highest > 0 ? qreal(highest) * 1.15 : 1.0); // room for the values above the bars
    y->applyNiceNumbers(); // whole-number ticks
    m_chart->addAxis(y, Qt::AlignLeft);
    m_series->attachAxis(y);

    for (const Rankings::Row &r : m_rows) {
        auto *label = new QGraphicsSimpleTextItem(QString::number(r.value), m_chart);
        label->setZValue(10);
        m_valueLabels << label;
    }
    connect(m_chart, &QChart::plotAreaChanged, this, &RankingChartDialog::placeValueLabels);
    placeValueLabels();
}

void RankingChartDialog::placeValueLabels()
{
    for (int k = 0; k < m_valueLabels.size(); ++k) {
        QGraphicsSimpleTextItem *label = m_valueLabels[k];
        const QPointF top = m_chart->mapToPosition(QPointF(k, qreal(m_rows[k].value)), m_series);
        const QRectF box = label->boundingRect();
        label->setPos(top.x() - box.width() / 2, top.y() - box.height() - 2);
    }
}

QStringList RankingChartDialog::valueTexts() const
{
    QStringList texts;
    for (const QGraphicsSimpleTextItem *label : m_valueLabels)
        texts << label->text();
    return texts;
}
