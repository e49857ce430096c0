// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/BarcodePattern.h"

#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;

// Paints an encoded barcode: black bars on white with the quiet zones left blank
// on both sides and the text under the bars. A refused pattern paints its message.
namespace BarcodePainter {

// Fills rect: the bars and quiet zones take its full width, the text its lower part.
// With no font given the text is sized from the rect's height.
void paint(QPainter &painter, const QRectF &rect, const BarcodePattern &pattern,
           const QFont &font = QFont(), bool withText = true);

// A white image of the symbol, each module moduleWidth pixels wide and the bars
// barHeight pixels tall, with the text below them when withText is set.
QImage toImage(const BarcodePattern &pattern, int moduleWidth = 2, int barHeight = 60,
               bool withText = true);

} // namespace BarcodePainter
