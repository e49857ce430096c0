// SPDX-License-Identifier: MIT
#include "foundation/PagedReport.h"

#include <QFontDatabase>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

PagedReport::PagedReport()
    : m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
               QPageLayout::Millimeter)
{
}

PagedReport::~PagedReport() = default;

bool PagedReport::paint(QPagedPaintDevice &device, int first, int last) const
{
    const QPageLayout layout = device.pageLayout();
    const int pages = pageCount(layout);
    first = qMax(1, first);
    last = last <= 0 ? pages : qMin(last, pages);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the top left of the printable area on both QPdfWriter and
    // QPrinter (when not in full-page mode).
    const qreal scale = device.logicalDpiX() / 72.0;
    const QRectF points = layout.paintRect(QPageLayout::Point);
    const QRectF area(0, 0, points.width() * scale, points.height() * scale);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        painter.save();
        paintPage(painter, page - 1, pages, area, scale, layout);
        painter.restore();
    }
    return painter.end();
}

bool PagedReport::renderToPdf(const QString &file) const
{
    QPdfWriter writer(file);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("图书管理系统"));
    if (!writer.setPageLayout(m_layout))
        return false;
    return paint(writer);
}

QFont PagedReport::font(qreal pointSize, bool bold)
{
    static const QString family = [] {
        const QString wanted = QStringLiteral("WenQuanYi Micro Hei");
        return QFontDatabase::families().contains(wanted) ? wanted : QFont().family();
    }();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
