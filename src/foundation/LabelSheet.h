// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/PagedReport.h"

#include <QList>
#include <QSizeF>

#include <functional>

// Cells of one size in a grid across pages (book labels, library cards, catalogue
// cards, barcode sheets). Each cell is painted by a callback. Cells come in sections;
// every section starts on a new page (the backs of the cards after their fronts).
class LabelSheet : public PagedReport {
public:
    // Paints cell index (0-based within its section) into rect (device pixels); the
    // painter is clipped to the cell and restored afterwards.
    using CellPainter = std::function<void(QPainter &painter, const QRectF &rect, int index)>;

    // cellSize and gap in millimetres; columns or rows 0 = as many as fit the page.
    explicit LabelSheet(const QSizeF &cellSize, int columns = 0, int rows = 0,
                        const QSizeF &gap = QSizeF(2, 2));

    void addCells(int count, const CellPainter &painter);
    // A thin frame round each cell (the framed cards).
    void setFramed(bool framed) { m_framed = framed; }

    int columns(const QPageLayout &layout) const;
    int rows(const QPageLayout &layout) const;
    int cellCount() const;

    using PagedReport::pageCount;
    int pageCount(const QPageLayout &layout) const override;

protected:
    void paintPage(QPainter &painter, int page, int pageCount, const QRectF &pageArea,
                   qreal pointsToDevice, const QPageLayout &layout) const override;

private:
    struct Section {
        int count;
        CellPainter painter;
    };
    int fitting(qreal space, qreal cell, qreal gap) const;

    QSizeF m_cell;
    QSizeF m_gap;
    int m_columns;
    int m_rows;
    bool m_framed = false;
    QList<Section> m_sections;
};
