// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Tools that no one here wrote, run as judges of what the program writes: zbarimg for
// barcodes, poppler's pdfinfo/pdftotext/pdftoppm for PDF files.
namespace ExternalTools {

// True when program is on the PATH.
bool available(const QString &program);

// Runs program; false when it cannot start, fails or runs longer than 60 s.
bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr);

// The symbols zbarimg finds in an image, one "TYPE:text" entry each (e.g. "CODE-39:A1").
QStringList decodeBarcodes(const QString &imageFile);

// Pages of a PDF file by pdfinfo; -1 when it cannot be read.
int pdfPageCount(const QString &pdfFile);

// The text of one page (1-based) by pdftotext.
QString pdfPageText(const QString &pdfFile, int page);

// The words of one page (1-based) with their boxes in points, top left origin, by
// pdftotext -bbox.
struct PdfWord {
    QString text;
    QRectF box;
};
QList<PdfWord> pdfPageWords(const QString &pdfFile, int page);

// Renders one page (1-based) to a PNG at dpi with pdftoppm; the PNG's path or empty.
QString pdfPageToPng(const QString &pdfFile, int page, int dpi);

} // namespace ExternalTools
