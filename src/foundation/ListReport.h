// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/PagedReport.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

class QAbstractItemModel;

// A column of a list report: its head, how its texts align, and its share of the
// page width (relative to the other columns).
struct ReportColumn {
    QString caption;
    qreal width = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// A banded list: on every page a title band (title, and the date and time of printing
// at the top right), the column heads, as many detail lines as fit, and a footer
// "第 N 页 / 共 M 页"; after the last line an optional totals line. Lines have a fixed
// height and a text too wide for its column is cut with "…", so the page count does
// not depend on the device.
class ListReport : public PagedReport {
public:
    ListReport();

    void setTitle(const QString &title) { m_title = title; }
    QString title() const { return m_title; }
    // The time shown in the title band; DayClock::now() when the report was made.
    void setPrintedAt(const QDateTime &at) { m_printedAt = at; }
    void setFontSize(qreal points) { m_fontSize = points; }

    void addColumn(const QString &caption, qreal width = 1,
                   Qt::Alignment alignment = Qt::AlignLeft);
    void setColumns(const QList<ReportColumn> &columns) { m_columns = columns; }
    QList<ReportColumn> columns() const { return m_columns; }

    // One text per column; missing cells print blank, extra ones are ignored.
    void addRow(const QStringList &cells) { m_rows.append(cells); }
    void setRows(const QList<QStringList> &rows) { m_rows = rows; }
    // Appends the display texts of the given model columns, one line per model row.
    void addRows(const QAbstractItemModel &model, const QList<int> &modelColumns);
    int rowCount() const { return int(m_rows.size()); }

    // Totals printed after the last line: texts placed under the columns, and/or one
    // free text across the page (" 数量合计: 12  价格合计: 300").
    void setColumnTotals(const QStringList &cells) { m_columnTotals = cells; }
    void setTotalsText(const QString &text) { m_totalsText = text; }

    using PagedReport::pageCount;
    int pageCount(const QPageLayout &layout) const override;
    // Detail lines that fit on one page of the layout.
    int rowsPerPage(const QPageLayout &layout) const;

protected:
    void paintPage(QPainter &painter, int page, int pageCount, const QRectF &pageArea,
                   qreal pointsToDevice, const QPageLayout &layout) const override;

private:
    struct Bands {
        qreal title, heads, row, totals, footer;
    };
    Bands bands() const;
    qreal detailSpace(const QPageLayout &layout) const;
    bool hasTotals() const { return !m_columnTotals.isEmpty() || !m_totalsText.isEmpty(); }
    void paintCells(QPainter &painter, const QRectF &line, const QStringList &cells,
                    const QList<qreal> &lefts, const QList<qreal> &widths) const;

    QString m_title;
    QDateTime m_printedAt;
    qreal m_fontSize = 10;
    QList<ReportColumn> m_columns;
    QList<QStringList> m_rows;
    QStringList m_columnTotals;
    QString m_totalsText;
};
