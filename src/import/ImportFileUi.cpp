// SPDX-License-Identifier: MIT
#include "import/ImportFileUi.h"

#include <QFileDialog>

namespace {
std::function<QString(const QString &)> &chooser()
{
    static std::function<QString(const QString &)> f;
    return f;
}
} // namespace

namespace ImportFile {

QString sheetFilter()
{
    return QStringLiteral("Excel (*.xls *.xlsx *.csv);;xls (*.xls);;xlsx (*.xlsx);;csv (*.csv)");
}

QString choose(QWidget *parent, const QString &filter)
{
    if (chooser())
        return chooser()(filter);
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

void setChooser(std::function<QString(const QString &)> f)
{
    chooser() = std::move(f);
}

} // namespace ImportFile
