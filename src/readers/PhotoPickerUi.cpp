// SPDX-License-Identifier: MIT
#include "readers/PhotoPickerUi.h"

#include <QFileDialog>
#include <QImageReader>

namespace PhotoPicker {
namespace {
std::function<QString()> &replacement()
{
    static std::function<QString()> chooser;
    return chooser;
}
} // namespace

QString choose(QWidget *parent)
{
    if (replacement())
        return replacement()();
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("选择照片"), QString(),
                                        QStringLiteral("图片 (%1);;所有文件 (*)").arg(patterns.join(QLatin1Char(' '))));
}

void setChooser(std::function<QString()> chooser)
{
    replacement() = std::move(chooser);
}
} // namespace PhotoPicker
