// SPDX-License-Identifier: MIT
#include "foundation/ExcelExport.h"

#include "foundation/SpreadsheetExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>

namespace {

const int progressStep = 500;

QString cleanFileTitle(QString title)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar &c : title)
        if (forbidden.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    title = title.trimmed();
    return title.isEmpty() ? QStringLiteral("导出") : title.left(100);
}

QString targetPath(const ExcelExportOptions &options)
{
    if (!options.filePath.isEmpty())
        return options.filePath;
    const QString folder = options.folder.isEmpty() ? ExcelExport::defaultFolder() : options.folder;
    return ExcelExport::chooseFilePath(folder, options.title,
                                       options.when.isValid() ? options.when : QDateTime::currentDateTime());
}

// Tells progress; false when the caller cancels.
bool tell(const ExcelExportOptions &options, int done, int total)
{
    return !options.progress || options.progress(done, total);
}

ExcelExportResult cancelled(SpreadsheetExport &sheet, int rows)
{
    sheet.discard();
    ExcelExportResult result;
    result.cancelled = true;
    result.rowsWritten = rows;
    result.errorMessage = QStringLiteral("导出已取消");
    return result;
}

ExcelExportResult finish(SpreadsheetExport &sheet, ExcelExportResult result)
{
    result.rowsWritten = sheet.dataRows();
    if (!sheet.finish()) {
        result.ok = false;
        result.errorMessage = sheet.errorMessage();
        return result;
    }
    result.filePath = sheet.filePath();
    return result;
}

ExcelExportResult failed(const QString &message)
{
    ExcelExportResult result;
    result.errorMessage = message;
    return result;
}

// A field's kind: the numeric fields also turn decimal texts into numbers, as PostgreSQL
// gives its numeric values.
SpreadsheetExport::Kind kindOf(const QSqlField &field)
{
    switch (field.metaType().id()) {
    case QMetaType::Int: case QMetaType::UInt: case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Double: case QMetaType::Float:
        return SpreadsheetExport::Kind::Number;
    default:
        return SpreadsheetExport::Kind::Auto;
    }
}
}

ExcelExportResult ExportQueryToExcel(QSqlQuery &query, const ExcelExportOptions &options)
{
    if (!query.isActive() || !query.isSelect())
        return failed(QStringLiteral("导出Excel失败: 没有可以导出的查询结果"));
    const QSqlRecord record = query.record();
    QStringList header;
    QList<SpreadsheetExport::Kind> kinds;
    for (int i = 0; i < record.count(); ++i) {
        const QString caption = options.captions.value(i);
        header.append(caption.isEmpty() ? record.fieldName(i) : caption);
        kinds.append(kindOf(record.field(i)));
    }
    // The row count, when the query knows it or can move to its end and back.
    int total = query.size();
    if (total < 0 && !query.isForwardOnly())
        total = query.last() ? query.at() + 1 : 0;
    bool hasRow = query.isForwardOnly() ? (query.at() == QSql::BeforeFirstRow ? query.next() : query.isValid())
                                        : query.first();

    SpreadsheetExport sheet(targetPath(options));
    if (!sheet.isOpen())
        return failed(sheet.errorMessage());
    sheet.setColumnKinds(kinds);
    if (!sheet.writeHeader(header))
        return failed(sheet.errorMessage());
    ExcelExportResult result;
    result.ok = true;
    QVariantList values;
    for (int done = 0; hasRow; hasRow = query.next()) {
        values.clear();
        for (int i = 0; i < header.size(); ++i)
            values.append(query.value(i));
        if (!sheet.writeRow(values)) {
            result.ok = false;
            result.errorMessage = sheet.errorMessage();
            break;
        }
        if (++done % progressStep == 0 && !tell(options, done, total))
            return cancelled(sheet, done);
    }
    if (query.lastError().isValid()) {
        // What was read so far is kept; the database's message is shown.
        result.ok = false;
        result.errorMessage = QStringLiteral("读取数据出错: %1").arg(query.lastError().text());
    }
    if (!tell(options, sheet.dataRows(), total < 0 ? sheet.dataRows() : total))
        return cancelled(sheet, sheet.dataRows());
    if (!query.isForwardOnly() && sheet.dataRows() > 0)
        query.last();
    return finish(sheet, result);
}

ExcelExportResult ExportListToExcel(const QStringList &captions, const QList<QStringList> &items,
                                    const ExcelExportOptions &options)
{
    ExcelExportResult result;
    result.ok = true;
    if (items.isEmpty())
        return result;
    SpreadsheetExport sheet(targetPath(options));
    if (!sheet.isOpen() || !sheet.writeHeader(captions))
        return failed(sheet.errorMessage());
    const int total = int(items.size());
    for (int done = 0; done < total;) {
        const QStringList &item = items.at(done);
        if (!sheet.writeTextRow(item.size() > captions.size() ? item.mid(0, captions.size()) : item)) {
            result.ok = false;
            result.errorMessage = sheet.errorMessage();
            break;
        }
        if (++done % progressStep == 0 && done < total && !tell(options, done, total))
            return cancelled(sheet, done);
    }
    if (!tell(options, sheet.dataRows(), total))
        return cancelled(sheet, sheet.dataRows());
    return finish(sheet, result);
}

namespace ExcelExport {

QString defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty()) {
        const QString folder = QDir(documents).filePath(QStringLiteral("图书管理导出"));
        if (QDir().mkpath(folder))
            return folder;
    }
    return QDir::currentPath();
}

QString chooseFilePath(const QString &folder, const QString &title, const QDateTime &when)
{
    const QString base = cleanFileTitle(title) + QLatin1Char(' ') + when.toString(QStringLiteral("yyyyMMdd hhmmss"));
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).xlsx").arg(base).arg(n));
    return path;
}

QString errorTitle()
{
    return QStringLiteral("错误");
}

QString noProgramForQueryMessage(const QString &filePath)
{
    return QStringLiteral("系统没有可以打开Excel文件的程序，不能打开导出的Excel！文件已保存在: %1")
        .arg(QDir::toNativeSeparators(filePath));
}

QString noProgramForListMessage(const QString &filePath)
{
    return QStringLiteral("NO excel ！文件已保存在: %1").arg(QDir::toNativeSeparators(filePath));
}
}
