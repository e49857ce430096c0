// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <functional>

class PagedReport;
class QSqlQuery;
class QWidget;

// Where the catalogue windows send their prints and exports. The desktop program shows
// the print preview and opens the written spreadsheet; tests install handlers that keep
// the report (to render it to PDF) and the file instead.
namespace CatalogueOutput {

using PreviewHandler = std::function<void(const PagedReport &report, const QString &title)>;
// Replaces the print preview; an empty handler restores it.
void setPreviewHandler(PreviewHandler handler);
void preview(QWidget *parent, const PagedReport &report, const QString &title);

using OpenHandler = std::function<bool(const QString &file)>;
// Replaces opening a written file with the desktop's program; empty restores it.
void setOpenHandler(OpenHandler handler);
// "导出Excel": every field of the query into a new spreadsheet, opened for the operator;
// a failure or a missing program is told. title names the file.
void exportQuery(QWidget *parent, QSqlQuery &query, const QString &title);

} // namespace CatalogueOutput
