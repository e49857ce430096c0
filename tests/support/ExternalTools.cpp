// SPDX-License-Identifier: MIT
#include "ExternalTools.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

bool ExternalTools::available(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool ExternalTools::run(const QString &program, const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60000))
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QStringList ExternalTools::decodeBarcodes(const QString &imageFile)
{
    QByteArray out;
    run(QStringLiteral("zbarimg"), {QStringLiteral("-q"), imageFile}, &out);
    QString text = QString::fromUtf8(out);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

int ExternalTools::pdfPageCount(const QString &pdfFile)
{
    QByteArray out;
    if (!run(QStringLiteral("pdfinfo"), {pdfFile}, &out))
        return -1;
    for (const QByteArray &line : out.split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QString ExternalTools::pdfPageText(const QString &pdfFile, int page)
{
    QByteArray out;
    const QString n = QString::number(page);
    run(QStringLiteral("pdftotext"),
        {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-enc"), QStringLiteral("UTF-8"),
         pdfFile, QStringLiteral("-")},
        &out);
    return QString::fromUtf8(out);
}

QList<ExternalTools::PdfWord> ExternalTools::pdfPageWords(const QString &pdfFile, int page)
{
    QByteArray out;
    const QString n = QString::number(page);
    run(QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdfFile, QStringLiteral("-")},
        &out);
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(QString::fromUtf8(out))) {
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append(PdfWord{text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

QString ExternalTools::pdfPageToPng(const QString &pdfFile, int page, int dpi)
{
    const QString n = QString::number(page);
    const QString stem = pdfFile + QStringLiteral("-page") + n;
    if (!run(QStringLiteral("pdftoppm"),
             {QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-r"), QString::number(dpi),
              QStringLiteral("-png"), QStringLiteral("-singlefile"), pdfFile, stem}))
        return QString();
    const QString png = stem + QStringLiteral(".png");
    return QFileInfo::exists(png) ? png : QString();
}
