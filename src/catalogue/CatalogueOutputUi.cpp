// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueOutputUi.h"
#include "foundation/ExcelExport.h"
#include "foundation/Messages.h"
#include "foundation/ReportPreviewDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProgressDialog>
#include <QUrl>

namespace CatalogueOutput {
namespace {
PreviewHandler &previewHandler()
{
    static PreviewHandler handler;
    return handler;
}
OpenHandler &openHandler()
{
    static OpenHandler handler;
    return handler;
}
} // namespace

void setPreviewHandler(PreviewHandler handler)
{
    previewHandler() = std::move(handler);
}

void preview(QWidget *parent, const PagedReport &report, const QString &title)
{
    if (previewHandler()) {
        previewHandler()(report, title);
        return;
    }
    ReportPreviewDialog::preview(report, title, parent);
}

void setOpenHandler(OpenHandler handler)
{
    openHandler() = std::move(handler);
}

void exportQuery(QWidget *parent, QSqlQuery &query, const QString &title)
{
    QProgressDialog progress(QStringLiteral("正在导出..."), QStringLiteral("取消"), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    ExcelExportOptions options;
    options.title = title;
    options.progress = [&progress](int done, int total) {
        if (total > 0)
            progress.setMaximum(total);
        progress.setValue(done);
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    const ExcelExportResult result = ExportQueryToExcel(query, options);
    progress.reset();
    if (result.cancelled)
        return;
    if (!result.ok) {
        Messages::warn(parent, result.errorMessage, ExcelExport::errorTitle());
        return;
    }
    const bool opened = openHandler() ? openHandler()(result.filePath)
                                      : QDesktopServices::openUrl(QUrl::fromLocalFile(result.filePath));
    if (!opened)
        Messages::info(parent, ExcelExport::noProgramForQueryMessage(result.filePath));
}

} // namespace CatalogueOutput
