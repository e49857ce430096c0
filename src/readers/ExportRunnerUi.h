// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/ExcelExport.h"

#include <functional>

class QSqlQuery;
class QWidget;

// A window's "转EXCEL" / "Excel": writes the query's rows with a progress dialog that
// keeps the window painting, then opens the file with the desktop's program, or says
// where it is when nothing opens it. Failures are told to the operator.
namespace ExportRunner {

ExcelExportResult exportQuery(QWidget *parent, QSqlQuery &query, const QString &title,
                              const QStringList &captions = {});

// For tests: the folder the files go to and what "opening" a file does (true when a
// program took it). Empty values restore the defaults.
void setFolder(const QString &folder);
void setOpener(std::function<bool(const QString &file)> opener);

} // namespace ExportRunner
