// SPDX-License-Identifier: MIT
#include "foundation/ExcelExportUi.h"
#include "foundation/ExcelExport.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProgressDialog>
#include <QSqlQuery>
#include <QUrl>

namespace {

// A progress dialog that appears only when the export takes a while.
ExportProgress progressFor(QProgressDialog &dialog)
{
    dialog.setWindowTitle(QStringLiteral("导出Excel"));
    dialog.setLabelText(QStringLiteral("正在导出..."));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    dialog.setMinimumDuration(500);
    dialog.setAutoClose(false);
    dialog.setWindowModality(Qt::WindowModal);
    return [&dialog](int done, int total) {
        dialog.setMaximum(total > 0 ? total : 0);
        dialog.setValue(total > 0 ? std::min(done, total) : 0);
        QApplication::processEvents();
        return !dialog.wasCanceled();
    };
}

void finish(QWidget *parent, const ExcelExportResult &result, bool listExport)
{
    if (result.cancelled || (result.ok && result.filePath.isEmpty()))
        return;
    if (!result.ok) {
        Messages::warn(parent, result.errorMessage, ExcelExport::errorTitle());
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(result.filePath)))
        Messages::warn(parent,
                       listExport ? ExcelExport::noProgramForListMessage(result.filePath)
                                  : ExcelExport::noProgramForQueryMessage(result.filePath),
                       ExcelExport::errorTitle());
}

} // namespace

namespace ExcelExportUi {

void exportQuery(QWidget *parent, QSqlQuery &query, const QString &title, const QStringList &captions)
{
    QProgressDialog dialog(parent);
    ExcelExportOptions options;
    options.title = title;
    options.captions = captions;
    options.progress = progressFor(dialog);
    finish(parent, ExportQueryToExcel(query, options), false);
}

void exportGrid(QWidget *parent, const GridWidget &grid, const QString &title)
{
    try {
        QSqlQuery query = grid.exportQuery();
        exportQuery(parent, query, title, grid.exportCaptions());
    } catch (const DatabaseError &e) {
        Messages::warn(parent, e.message());
    }
}

void exportList(QWidget *parent, const QStringList &captions, const QList<QStringList> &items,
                const QString &title)
{
    if (items.isEmpty())
        return;
    QProgressDialog dialog(parent);
    ExcelExportOptions options;
    options.title = title;
    options.progress = progressFor(dialog);
    finish(parent, ExportListToExcel(captions, items, options), true);
}

} // namespace ExcelExportUi
