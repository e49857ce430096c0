// SPDX-License-Identifier: MIT
#pragma once
#include <QMap>
#include <QWidget>

class QHeaderView;
class QTableView;

// The footer line under a grid: one text under each column that has a footer, kept
// in line with the columns as they are resized, moved, hidden or scrolled.
class GridFooterWidget : public QWidget
{
    Q_OBJECT

public:
    explicit GridFooterWidget(QTableView *view, QWidget *parent = nullptr);

    // Texts by model column; right-aligned ones for numbers.
    void setTexts(const QMap<int, QString> &texts, const QMap<int, bool> &alignRight);
    QString text(int column) const { return m_texts.value(column); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTableView *m_view;
    QMap<int, QString> m_texts;
    QMap<int, bool> m_right;
};
