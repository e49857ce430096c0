// SPDX-License-Identifier: MIT
#pragma once
#include <QFont>
#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// A print laid out in pages: paints on any paged device (QPdfWriter, QPrinter), so the
// same code serves the preview, the printer and the tests. Layout is in points and
// follows the device's page layout; the painter is in device pixels.
class PagedReport {
public:
    PagedReport();
    virtual ~PagedReport();

    // The page layout the report asks for (A4 portrait, 15 mm margins by default);
    // renderToPdf and the preview start from it.
    QPageLayout pageLayout() const { return m_layout; }
    void setPageLayout(const QPageLayout &layout) { m_layout = layout; }

    int pageCount() const { return pageCount(m_layout); }
    virtual int pageCount(const QPageLayout &layout) const = 0;

    // Paints pages first..last (1-based; 0 = the last page) for the device's current
    // page layout, starting a new device page between pages. False when the device
    // cannot be painted on.
    bool paint(QPagedPaintDevice &device, int first = 1, int last = 0) const;
    // Writes the report with its own page layout into a PDF file.
    bool renderToPdf(const QString &file) const;

    // The report font: WenQuanYi Micro Hei when installed (it has the Chinese glyphs),
    // otherwise the default family.
    static QFont font(qreal pointSize, bool bold = false);

protected:
    // Paints one page (0-based). pageArea is the printable area in device pixels;
    // pointsToDevice converts the layout's points to device pixels.
    virtual void paintPage(QPainter &painter, int page, int pageCount, const QRectF &pageArea,
                           qreal pointsToDevice, const QPageLayout &layout) const = 0;

private:
    QPageLayout m_layout;
};
