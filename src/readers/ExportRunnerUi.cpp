// SPDX-License-Identifier: MIT
#include "readers/ExportRunnerUi.h"
#include "foundation/Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProgressDialog>
#include <QSqlQuery>
#include <QUrl>

namespace ExportRunner {
namespace {
QString &folder()
{
    static QString f;
    return f;
}

std::function<bool(const QString &)> &opener()
{
    static std::function<bool(const QString &)> o;
    return o;
}
} // namespace

ExcelExportResult exportQuery(QWidget *parent, QSqlQuery &query, const QString &title, const QStringList &captions)
{
    QProgressDialog progress(QStringLiteral("正在导出..."), QStringLiteral("取消"), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ExcelExportOptions options;
    options.folder = folder();
    options.title = title;
    options.captions = captions;
    options.progress = [&progress](int done, int total) {
        progress.setMaximum(qMax(total, 0));
        progress.setValue(total < 0 ? 0 : done);
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    const ExcelExportResult result = ExportQueryToExcel(query, options);
    progress.reset();
    if (result.cancelled)
        return result;
    if (!result.ok) {
        Messages::warn(parent, result.errorMessage, ExcelExport::errorTitle());
        return result;
    }
    const bool opened = opener() ? opener()(result.filePath)
                                 : QDesktopServices::openUrl(QUrl::fromLocalFile(result.filePath));
    if (!opened)
        Messages::info(parent, ExcelExport::noProgramForQueryMessage(result.filePath));
    return result;
}

void setFolder(const QString &f)
{
    folder() = f;
}

void setOpener(std::function<bool(const QString &)> o)
{
    opener() = std::move(o);
}

} // namespace ExportRunner
