// SPDX-License-Identifier: MIT
#include "readers/ReaderPhoto.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace ReaderPhoto {

QString sizeRefusal(qint64 bytes)
{
    if (bytes <= kLimitBytes)
        return {};
    // Size in MB with two decimals, from integers: 0.005 MB rounds up as "0.00" would.
    const qint64 hundredths = (bytes * 100 + 1048576 / 2) / 1048576;
    const QString mb = QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    return QStringLiteral("添加失败:图片文件不能超过2MB,您选择的文件大小为:") + mb + QStringLiteral("MB");
}

Result load(const QString &fileName)
{
    Result r;
    const QFileInfo info(fileName);
    r.message = sizeRefusal(info.size());
    if (!r.message.isEmpty())
        return r;
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        r.message = QStringLiteral("无法读取图片文件: ") + reader.errorString();
        return r;
    }
    // Drawn into a plain 24-bit bitmap, so that what is stored is always a BMP.
    QImage bitmap(picture.size(), QImage::Format_RGB888);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, picture);
    }
    QBuffer buffer(&r.bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!bitmap.save(&buffer, "BMP")) {
        r.bmp.clear();
        r.message = QStringLiteral("无法转换图片文件");
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace ReaderPhoto
