// SPDX-License-Identifier: MIT
#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QSqlQuery;

// The two exports that the windows' "导出Excel" buttons use. Each writes a real .xlsx file
// and returns what happened; the window opens the file with the desktop's program and
// shows the messages below. Nothing here opens a file or shows a dialog.

// Told every few hundred rows and at the end; total is -1 when the row count is not known
// beforehand. Returning false cancels the export: no file is left.
using ExportProgress = std::function<bool(int done, int total)>;

struct ExcelExportOptions
{
    QString filePath;     // the file to write; empty: a new file in folder, named after title and time
    QString folder;       // empty: ExcelExport::defaultFolder()
    QString title;        // what is exported, e.g. "读者"; names the file chosen here
    QDateTime when;       // the time in that name; invalid: now
    QStringList captions; // query export: header texts in place of field names, where not empty
    ExportProgress progress;
};

struct ExcelExportResult
{
    bool ok = false;
    bool cancelled = false;
    QString filePath;     // the file written; empty when nothing was written
    int rowsWritten = 0;  // data rows, the header not counted
    QString errorMessage; // for the operator, when not ok
};

// Writes every field of an executed select: the field names (as the query reports them)
// in row 1, each result row below with its values typed. An empty result gives the header
// row only. The query is left on its last row when it can move backwards.
ExcelExportResult ExportQueryToExcel(QSqlQuery &query, const ExcelExportOptions &options = {});

// Writes a list: the captions in row 1, each item (its texts for columns 1..n) below, all as
// texts; texts beyond the captions are not written, missing ones leave cells empty. An
// empty list writes nothing: ok, and no file.
ExcelExportResult ExportListToExcel(const QStringList &captions, const QList<QStringList> &items,
                                    const ExcelExportOptions &options = {});

namespace ExcelExport {
// Documents/图书管理导出, or the working folder when that cannot be made.
QString defaultFolder();
// "<title> yyyyMMdd hhmmss.xlsx" in folder; " (2)", " (3)", ... before the suffix when taken.
QString chooseFilePath(const QString &folder, const QString &title, const QDateTime &when);

// The title of the error messages: "错误".
QString errorTitle();
// When no program opens the written file: the query export's and the list export's texts.
QString noProgramForQueryMessage(const QString &filePath);
QString noProgramForListMessage(const QString &filePath);
}
