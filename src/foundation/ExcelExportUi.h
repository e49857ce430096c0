// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ExcelExport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class GridWidget;
class QSqlQuery;
class QTreeWidget;
class QWidget;

// What every "导出Excel" button does: writes the .xlsx with a progress dialog for long
// exports, then opens it with the desktop's program; when no program opens it, says
// where the file is. Errors reach the operator through the message module.
namespace ExcelExportUi {
// The grid's rows with its current sort and filters, headed by the schema's names;
// nothing while the grid is closed.
void exportGrid(QWidget *parent, const GridWidget &grid, const QString &title);
ExcelExportResult exportQuery(QWidget *parent, QSqlQuery &query, const QString &title,
                              const QStringList &captions = {});
// A list of texts; an empty list exports nothing.
void exportList(QWidget *parent, const QStringList &captions, const QList<QStringList> &items,
                const QString &title);
// The rows of a list view under its column heads; an empty list exports nothing.
void exportTree(QWidget *parent, const QTreeWidget &tree, const QString &title);

// For tests: the folder the files go to and what "opening" a file does (true when a
// program took it). Empty values restore the defaults (Documents, the desktop).
void setFolder(const QString &folder);
void setOpener(std::function<bool(const QString &file)> opener);
}
