// SPDX-License-Identifier: MIT
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProgressDialog>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QUrl>

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
    const bool opened = opener() ? opener()(result.filePath)
                                 : QDesktopServices::openUrl(QUrl::fromLocalFile(result.filePath));
    if (!opened)
        Messages::warn(parent,
                       listExport ? ExcelExport::noProgramForListMessage(result.filePath)
                                  : ExcelExport::noProgramForQueryMessage(result.filePath),
                       ExcelExport::errorTitle());
}

} // namespace

namespace ExcelExportUi {

ExcelExportResult exportQuery(QWidget *parent, QSqlQuery &query, const QString &title,
                              const QStringList &captions)
{
    QProgressDialog dialog(parent);
    ExcelExportOptions options;
    options.folder = folder();
    options.title = title;
    options.captions = captions;
    options.progress = progressFor(dialog);
    const ExcelExportResult result = ExportQueryToExcel(query, options);
    dialog.reset();
    finish(parent, result, false);
    return result;
}

void exportGrid(QWidget *parent, const GridWidget &grid, const QString &title)
{
    if (!grid.isOpen())
        return;
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
    options.folder = folder();
    options.title = title;
    options.progress = progressFor(dialog);
    const ExcelExportResult result = ExportListToExcel(captions, items, options);
    dialog.reset();
    finish(parent, result, true);
}

void exportTree(QWidget *parent, const QTreeWidget &tree, const QString &title)
{
    QStringList captions;
    for (int c = 0; c < tree.columnCount(); ++c)
        captions << tree.headerItem()->text(c);
    QList<QStringList> items;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QStringList texts;
        for (int c = 0; c < tree.columnCount(); ++c)
            texts << tree.topLevelItem(i)->text(c);
        items << texts;
    }
    exportList(parent, captions, items, title);
}

void setFolder(const QString &f)
{
    folder() = f;
}

void setOpener(std::function<bool(const QString &)> o)
{
    opener() = std::move(o);
}

} // namespace ExcelExportUi
