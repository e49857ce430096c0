// SPDX-License-Identifier: MIT
#pragma once
#include "statistics/Rankings.h"

#include <QDialog>
#include <QList>

class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QPushButton;
class QStackedBarSeries;
class SharedConnection;

// The window of one ranking: a bar chart "借阅次数排行" with one bar per row of the
// ranking, highest first, each bar in its own colour (red the first), its value written
// above it and its label below. It reads the ranking once, when first shown; the chart
// takes no mouse input. "确定" closes it.
class RankingChartDialog : public QDialog
{
    Q_OBJECT
public:
    RankingChartDialog(SharedConnection &db, Rankings::Kind kind, const QString &title, QWidget *parent = nullptr);

    QChart *chart() const { return m_chart; }
    QChartView *chartView() const { return DBChart1; }
    // The rows the chart shows, and the texts written over the bars.
    const QList<Rankings::Row> &rows() const { return m_rows; }
    QStringList valueTexts() const;
    // The colour of the bar of a row (0-based).
    static QColor barColour(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void load();
    void placeValueLabels();

    SharedConnection &m_db;
    Rankings::Kind m_kind;
    bool m_loaded = false;
    QList<Rankings::Row> m_rows;
    QChart *m_chart;
    QChartView *DBChart1;
    QPushButton *Button1;
    QStackedBarSeries *m_series = nullptr;
    QList<QGraphicsSimpleTextItem *> m_valueLabels;
};
