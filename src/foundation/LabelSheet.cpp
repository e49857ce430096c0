// SPDX-License-Identifier: MIT
#include "foundation/LabelSheet.h"

#include <QPainter>

#include <cmath>

namespace {
const qreal kPointsPerMm = 72.0 / 25.4;
}

LabelSheet::LabelSheet(const QSizeF &cellSize, int columns, int rows, const QSizeF &gap)
    : m_cell(cellSize), m_gap(gap), m_columns(qMax(0, columns)), m_rows(qMax(0, rows))
{
}

void LabelSheet::addCells(int count, const CellPainter &painter)
{
    if (count > 0)
        m_sections.append(Section{count, painter});
}

int LabelSheet::fitting(qreal space, qreal cell, qreal gap) const
{
    // n cells and n - 1 gaps; a small tolerance keeps exact fits from rounding away.
    return qMax(1, int(std::floor((space + gap + 0.01) / (cell + gap))));
}

int LabelSheet::columns(const QPageLayout &layout) const
{
    return m_columns > 0 ? m_columns
                         : fitting(layout.paintRect(QPageLayout::Millimeter).width(), m_cell.width(), m_gap.width());
}

int LabelSheet::rows(const QPageLayout &layout) const
{
    return m_rows > 0 ? m_rows
                      : fitting(layout.paintRect(QPageLayout::Millimeter).height(), m_cell.height(), m_gap.height());
}

int LabelSheet::cellCount() const
{
    int sum = 0;
    for (const Section &s : m_sections)
        sum += s.count;
    return sum;
}

int LabelSheet::pageCount(const QPageLayout &layout) const
{
    const int perPage = columns(layout) * rows(layout);
    int pages = 0;
    for (const Section &s : m_sections)
        pages += (s.count + perPage - 1) / perPage;
    return qMax(1, pages);
}

void LabelSheet::paintPage(QPainter &painter, int page, int, const QRectF &area, qreal k,
                           const QPageLayout &layout) const
{
    // Find the section and the first cell of this page.
    const int cols = columns(layout);
    const int perPage = cols * rows(layout);
    int firstPage = 0;
    for (const Section &section : m_sections) {
        const int pages = (section.count + perPage - 1) / perPage;
        if (page < firstPage + pages) {
            const int first = (page - firstPage) * perPage;
            const int last = qMin(section.count, first + perPage);
            const qreal w = m_cell.width() * kPointsPerMm * k;
            const qreal h = m_cell.height() * kPointsPerMm * k;
            const qreal gx = m_gap.width() * kPointsPerMm * k;
            const qreal gy = m_gap.height() * kPointsPerMm * k;
            for (int i = first; i < last; ++i) {
                const int slot = i - first;
                const QRectF cell(area.left() + (slot % cols) * (w + gx),
                                  area.top() + (slot / cols) * (h + gy), w, h);
                painter.save();
                if (m_framed) {
                    painter.setPen(QPen(Qt::black, qMax<qreal>(1, 0.5 * k)));
                    painter.drawRect(cell);
                }
                painter.setClipRect(cell);
                if (section.painter)
                    section.painter(painter, cell, i);
                painter.restore();
            }
            return;
        }
        firstPage += pages;
    }
}
