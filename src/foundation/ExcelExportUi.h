// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class GridWidget;
class QSqlQuery;
class QWidget;

// What every "导出Excel" button does: writes the .xlsx with a progress dialog for long
// exports, then opens it with the desktop's program; when no program opens it, says
// where the file is. Errors reach the operator through the message module.
namespace ExcelExportUi {
// The grid's rows with its current sort and filters, headed by the schema's names.
void exportGrid(QWidget *parent, const GridWidget &grid, const QString &title);
void exportQuery(QWidget *parent, QSqlQuery &query, const QString &title, const QStringList &captions = {});
// A list of texts; an empty list exports nothing.
void exportList(QWidget *parent, const QStringList &captions, const QList<QStringList> &items,
                const QString &title);
}
