// SPDX-License-Identifier: MIT
#include "foundation/BarcodePainter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// The text as printed: control characters (Code 128 set A) show as blanks.
QString readableText(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown) {
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    }
    return shown;
}

QFont textFont(const QFont &given, const QRectF &rect, bool fontGiven)
{
    if (fontGiven)
        return given;
    QFont font = given;
    font.setPixelSize(qMax(1, qRound(rect.height() * 0.16)));
    return font;
}

} // namespace

void BarcodePainter::paint(QPainter &painter, const QRectF &rect, const BarcodePattern &pattern,
                           const QFont &font, bool withText)
{
    painter.save();
    const bool fontGiven = font != QFont();
    const QFont used = textFont(font, rect, fontGiven);
    painter.setFont(used);
    painter.fillRect(rect, Qt::white);
    painter.setPen(Qt::black);
    if (!pattern.isValid()) {
        painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, pattern.error);
        painter.restore();
        return;
    }

    const QFontMetricsF metrics(used, painter.device());
    const qreal textHeight = withText ? metrics.height() : 0;
    const qreal barHeight = qMax<qreal>(1, rect.height() - textHeight);
    const qreal module = rect.width() / (pattern.moduleCount() + 2 * pattern.quietZone);

    // Bars are the even elements; each is a filled rectangle so vector output stays exact.
    qreal x = rect.left() + pattern.quietZone * module;
    for (int i = 0; i < pattern.widths.size(); ++i) {
        const qreal w = pattern.widths.at(i) * module;
        if (i % 2 == 0)
            painter.fillRect(QRectF(x, rect.top(), w, barHeight), Qt::black);
        x += w;
    }
    if (withText) {
        const QRectF textRect(rect.left(), rect.top() + barHeight, rect.width(), textHeight);
        painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, readableText(pattern.text));
    }
    painter.restore();
}

QImage BarcodePainter::toImage(const BarcodePattern &pattern, int moduleWidth, int barHeight,
                               bool withText)
{
    moduleWidth = qMax(1, moduleWidth);
    const int modules = pattern.isValid() ? pattern.moduleCount() + 2 * pattern.quietZone : 120;
    QFont font;
    font.setPixelSize(qMax(8, barHeight / 4));
    const int textHeight = withText ? QFontMetrics(font).height() : 0;
    QImage image(modules * moduleWidth, barHeight + textHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(image.rect()), pattern, font, withText);
    return image;
}
