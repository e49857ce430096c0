// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/RowSet.h"

#include <QList>
#include <QString>
#include <memory>

class PagedReport;

// The prints of the catalogue windows, laid out over the rows of a list (all of them,
// or the current one for the single prints). Each report owns copies of its texts.
namespace CatalogueReports {

// Book management.
std::unique_ptr<PagedReport> bookList(const RowSet &rows);
std::unique_ptr<PagedReport> bookBarcodes(const RowSet &rows, const QList<int> &which);
std::unique_ptr<PagedReport> bookLabels(const RowSet &rows, const QList<int> &which);
std::unique_ptr<PagedReport> bookSingleLabel(const RowSet &rows, int row);
std::unique_ptr<PagedReport> bookCards(const RowSet &rows, const QList<int> &which);
std::unique_ptr<PagedReport> bookSingleCard(const RowSet &rows, int row);
std::unique_ptr<PagedReport> classNumbers(const RowSet &rows, const QList<int> &which);

// The label of a book just registered (one per stored copy): "书名", "编号:", "索书号:",
// "分类号:" (each shown only when filled) and the barcode in Code 39 with its text.
struct RegistrationLabel {
    QString title, number, callNumber, classNumber, barcode;
};
std::unique_ptr<PagedReport> registrationLabels(const QList<RegistrationLabel> &labels);

// Periodical management.
std::unique_ptr<PagedReport> periodicalList(const RowSet &rows);
std::unique_ptr<PagedReport> periodicalBarcodes(const RowSet &rows, const QList<int> &which);
std::unique_ptr<PagedReport> periodicalLabels(const RowSet &rows, const QList<int> &which);
std::unique_ptr<PagedReport> periodicalSingleLabel(const RowSet &rows, int row);

// The registration statistics list (table 图书 or 期刊) and the books per operator.
std::unique_ptr<PagedReport> registrationList(const RowSet &rows, const QString &table);
std::unique_ptr<PagedReport> perOperator(const RowSet &rows);

// Every row index of a row set, for the prints of all listed rows.
QList<int> allRows(const RowSet &rows);

} // namespace CatalogueReports
