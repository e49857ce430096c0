// SPDX-License-Identifier: MIT
#include "foundation/XlsSheetReader.h"

#include "foundation/SheetCellText.h"

#include <QFile>
#include <freexl.h>

namespace {

QString freexlReason(int code)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND: return QStringLiteral("文件不存在或不能打开");
    case FREEXL_INSUFFICIENT_MEMORY: return QStringLiteral("内存不足");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return QStringLiteral("不是Excel 97-2003工作簿(.xls)");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return QStringLiteral("文件中没有工作簿");
    case FREEXL_BIFF_UNSELECTED_SHEET:
    case FREEXL_BIFF_ILLEGAL_SHEET_INDEX:
        return QStringLiteral("工作簿中没有工作表");
    default: return QStringLiteral("文件已损坏或格式不受支持(FreeXL 错误 %1)").arg(code);
    }
}
}

XlsSheetReader::~XlsSheetReader()
{
    close();
}

void XlsSheetReader::close()
{
    if (m_handle)
        freexl_close(m_handle);
    m_handle = nullptr;
    m_rows = m_columns = 0;
}

QString XlsSheetReader::read(const QString &path)
{
    close();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return readError(path, file.errorString());
    m_scan = XlsWorkbookScan::scan(file.readAll());
    file.close();
    // FreeXL gets only compound files whose header, FAT and directory the scan has read:
    // it trusts them and reads past its own buffers otherwise.
    if (!m_scan.compoundFile)
        return readError(path, freexlReason(FREEXL_CFBF_INVALID_SIGNATURE));
    if (m_scan.damaged)
        return readError(path, QStringLiteral("文件已损坏(复合文档的目录无效)"));
    if (!m_scan.workbookFound)
        return readError(path, freexlReason(FREEXL_BIFF_WORKBOOK_NOT_FOUND));
    if (!m_scan.recordProblem.isEmpty())
        return readError(path, m_scan.recordProblem);

    int rc = freexl_open(QFile::encodeName(path).constData(), &m_handle);
    if (rc != FREEXL_OK) {
        close(); // FreeXL asks for a close even after a failed open
        return readError(path, freexlReason(rc));
    }
    unsigned int password = 0;
    if (freexl_get_info(m_handle, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK
        && password == FREEXL_BIFF_OBFUSCATED) {
        close();
        return readError(path, QStringLiteral("文件有密码保护"));
    }
    unsigned int sheets = 0;
    freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
    if (sheets == 0) {
        close();
        return readError(path, freexlReason(FREEXL_BIFF_ILLEGAL_SHEET_INDEX));
    }
    // The sheet that was active when the file was saved, found by its name.
    unsigned short index = 0;
    for (unsigned short i = 0; i < sheets; ++i) {
        const char *name = nullptr;
        if (freexl_get_worksheet_name(m_handle, i, &name) == FREEXL_OK && name
            && QString::fromUtf8(name) == m_scan.activeSheet)
            index = i;
    }
    const char *name = nullptr;
    freexl_get_worksheet_name(m_handle, index, &name);
    m_name = QString::fromUtf8(name ? name : "");
    if (m_name != m_scan.activeSheet)
        m_scan.scannedCells.clear(); // they belong to another sheet
    unsigned int rows = 0;
    unsigned short columns = 0;
    rc = freexl_select_active_worksheet(m_handle, index);
    if (rc == FREEXL_OK)
        rc = freexl_worksheet_dimensions(m_handle, &rows, &columns);
    if (rc != FREEXL_OK) {
        close();
        return readError(path, freexlReason(rc));
    }
    m_rows = int(rows);
    m_columns = columns;
    return {};
}

QString XlsSheetReader::cellText(int row, int column) const
{
    if (!m_handle || row < 1 || column < 1 || row > m_rows || column > m_columns)
        return {};
    const auto scanned = m_scan.scannedCells.constFind(XlsWorkbookScan::key(row - 1, column - 1));
    if (scanned != m_scan.scannedCells.constEnd())
        return *scanned;
    FreeXL_CellValue cell;
    if (freexl_get_cell_value(m_handle, row - 1, column - 1, &cell) != FREEXL_OK)
        return {};
    switch (cell.type) {
    case FREEXL_CELL_INT: return QString::number(cell.value.int_value);
    case FREEXL_CELL_DOUBLE: return SheetCellText::numberText(cell.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    case FREEXL_CELL_DATETIME: {
        // Midnight has no time part, as in the other readers.
        QString text = QString::fromUtf8(cell.value.text_value);
        if (text.endsWith(QLatin1String(" 00:00:00")))
            text.chop(9);
        return text;
    }
    default: return {};
    }
}
