// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

// What FreeXL does not tell about a BIFF (.xls) workbook, read from its Workbook stream:
// which sheet was active when it was saved, and the text of that sheet's cells that
// FreeXL gets wrong or leaves empty: booleans and errors (FreeXL gives plain integers)
// and the last calculated value of formulas (FreeXL skips formulas).
struct XlsWorkbookScan
{
    bool compoundFile = false;           // the bytes start with the compound file signature
    bool damaged = false;                // a compound file whose header, FAT or directory breaks its rules
    bool workbookFound = false;          // it holds a Workbook (or Book) stream
    QString recordProblem;               // why the stream's records may not go to FreeXL; empty: they may
    QString activeSheet;                 // the active sheet's name; empty when not found
    QHash<quint64, QString> scannedCells; // key (row << 16) | column, 0-based: "TRUE", "#N/A", "2.5", ...

    static quint64 key(int row, int column) { return (quint64(row) << 16) | quint64(column); }
    // Reads the compound file's bytes; a file it cannot follow gives an empty scan.
    static XlsWorkbookScan scan(const QByteArray &file);
};
