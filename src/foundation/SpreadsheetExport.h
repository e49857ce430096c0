// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

// Writes one worksheet of a new .xlsx file, row by row in constant memory: a header row
// and typed data rows. Numbers are numbers, dates are dates ("yyyy-mm-dd", date-times
// "yyyy-mm-dd hh:mm:ss"), texts are texts, Null is an empty cell. Columns are fitted to
// their contents when the file is finished.
//
// The file is written beside the target under a temporary name and takes the target's
// name only when finish() succeeds, so a cancelled or failed export leaves no file and
// does not touch an existing one.
class SpreadsheetExport
{
public:
    // How the values of a column are written.
    enum class Kind {
        Auto,   // by the value's type; a text "yyyy-MM-dd" or "yyyy-MM-dd hh:mm:ss" is a date
        Number, // as Auto, and a decimal text ("25.5000") is a number too (money kept as text)
        Text,   // every value as its text
    };

    explicit SpreadsheetExport(const QString &filePath, const QString &sheetName = QString());
    ~SpreadsheetExport(); // discards the file unless finish() succeeded
    SpreadsheetExport(const SpreadsheetExport &) = delete;
    SpreadsheetExport &operator=(const SpreadsheetExport &) = delete;

    // False when the workbook could not be started; errorMessage() says why.
    bool isOpen() const;
    QString errorMessage() const;
    QString filePath() const;

    void setColumnKinds(const QList<Kind> &kinds); // columns without an entry are Auto
    bool writeHeader(const QStringList &captions);  // row 1
    bool writeRow(const QVariantList &values);      // the next row
    bool writeTextRow(const QStringList &texts);    // the next row, every value a text
    int dataRows() const;                           // rows written after the header

    // Fits the columns and writes the file. False (with errorMessage()) when it fails.
    bool finish();
    // Drops the workbook; no file is left.
    void discard();

    // The width of a text in spreadsheet column units: a CJK (wide) character counts 2;
    // the longest line of a text with line breaks counts.
    static int displayWidth(const QString &text);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
