// SPDX-License-Identifier: MIT
#include "foundation/ListReport.h"

#include "foundation/DayClock.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

ListReport::ListReport()
    : m_printedAt(DayClock::now())
{
}

void ListReport::addColumn(const QString &caption, qreal width, Qt::Alignment alignment)
{
    m_columns.append(ReportColumn{caption, width, alignment});
}

void ListReport::addRows(const QAbstractItemModel &model, const QList<int> &modelColumns)
{
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c : modelColumns)
            cells.append(model.data(model.index(r, c)).toString());
        m_rows.append(cells);
    }
}

// Band heights in points, all derived from the font size.
ListReport::Bands ListReport::bands() const
{
    const qreal f = m_fontSize;
    const int totalLines = int(!m_columnTotals.isEmpty()) + int(!m_totalsText.isEmpty());
    return Bands{f * 3.2, f * 2.0, f * 1.7, f * 0.6 + totalLines * f * 1.7, f * 2.2};
}

qreal ListReport::detailSpace(const QPageLayout &layout) const
{
    const Bands b = bands();
    return layout.paintRect(QPageLayout::Point).height() - b.title - b.heads - b.footer;
}

int ListReport::rowsPerPage(const QPageLayout &layout) const
{
    return qMax(1, int(std::floor(detailSpace(layout) / bands().row)));
}

int ListReport::pageCount(const QPageLayout &layout) const
{
    const int perPage = rowsPerPage(layout);
    const int rows = rowCount();
    int pages = qMax(1, (rows + perPage - 1) / perPage);
    if (hasTotals()) {
        // The totals go on a page of their own (heads repeated) when the last is full.
        const int onLast = rows - (pages - 1) * perPage;
        if (onLast * bands().row + bands().totals > detailSpace(layout))
            ++pages;
    }
    return pages;
}

void ListReport::paintCells(QPainter &painter, const QRectF &line, const QStringList &cells,
                            const QList<qreal> &lefts, const QList<qreal> &widths) const
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal pad = metrics.averageCharWidth() / 2;
    for (int c = 0; c < m_columns.size() && c < cells.size(); ++c) {
        const QRectF cell(lefts.at(c) + pad, line.top(), widths.at(c) - 2 * pad, line.height());
        const QString text = metrics.elidedText(cells.at(c), Qt::ElideRight, cell.width());
        const Qt::Alignment horizontal = m_columns.at(c).alignment & Qt::AlignHorizontal_Mask;
        painter.drawText(cell, int(horizontal | Qt::AlignVCenter), text);
    }
}

void ListReport::paintPage(QPainter &painter, int page, int pageCount, const QRectF &area,
                           qreal k, const QPageLayout &layout) const
{
    const Bands b = bands();
    const QFont normal = font(m_fontSize);
    const QPen rule(Qt::black, qMax<qreal>(1, 0.6 * k));

    // Title band: the title in the middle, the date and time of printing at the right.
    const QRectF titleBand(area.left(), area.top(), area.width(), b.title * k);
    painter.setPen(Qt::black);
    painter.setFont(font(m_fontSize * 1.6, true));
    painter.drawText(titleBand, Qt::AlignHCenter | Qt::AlignVCenter, m_title);
    painter.setFont(normal);
    painter.drawText(titleBand, Qt::AlignRight | Qt::AlignTop,
                     m_printedAt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));

    // Column positions from the relative widths.
    qreal totalWidth = 0;
    for (const ReportColumn &column : m_columns)
        totalWidth += qMax<qreal>(0, column.width);
    QList<qreal> lefts, widths;
    qreal x = area.left();
    for (const ReportColumn &column : m_columns) {
        const qreal w = totalWidth > 0 ? area.width() * qMax<qreal>(0, column.width) / totalWidth : 0;
        lefts.append(x);
        widths.append(w);
        x += w;
    }

    // Column heads, repeated on every page, with a rule under them.
    qreal y = titleBand.bottom();
    QStringList captions;
    for (const ReportColumn &column : m_columns)
        captions.append(column.caption);
    painter.setFont(font(m_fontSize, true));
    paintCells(painter, QRectF(area.left(), y, area.width(), b.heads * k), captions, lefts, widths);
    y += b.heads * k;
    painter.setPen(rule);
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(Qt::black);

    // Detail lines of this page.
    painter.setFont(normal);
    const int perPage = rowsPerPage(layout);
    const int first = page * perPage;
    const int last = qMin(rowCount(), first + perPage);
    for (int r = first; r < last; ++r) {
        paintCells(painter, QRectF(area.left(), y, area.width(), b.row * k), m_rows.at(r), lefts, widths);
        y += b.row * k;
    }

    // Totals after the last line, under a rule.
    if (hasTotals() && page == pageCount - 1) {
        y += b.row * 0.2 * k;
        painter.setPen(rule);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        y += b.row * 0.1 * k;
        if (!m_columnTotals.isEmpty()) {
            paintCells(painter, QRectF(area.left(), y, area.width(), b.row * k), m_columnTotals, lefts, widths);
            y += b.row * k;
        }
        if (!m_totalsText.isEmpty()) {
            const QFontMetricsF metrics(normal, painter.device());
            painter.drawText(QRectF(area.left(), y, area.width(), b.row * k), Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(m_totalsText, Qt::ElideRight, area.width()));
        }
    }

    // Page footer.
    const QRectF footer(area.left(), area.bottom() - b.footer * k, area.width(), b.footer * k);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(pageCount));
}
