// SPDX-License-Identifier: MIT
#pragma once
#include <QDate>
#include <QString>
#include <functional>

class SharedConnection;

// How large a generated library is. The full size is the one the benchmarks promise
// their figures for; --scale makes it smaller while developing.
struct LibrarySize {
    int books = 100000;
    int periodicals = 5000;
    int readers = 20000;
    int loans = 1000000;

    static LibrarySize scaled(double scale);
};

// Fills a database that has the schema and its seed rows with a generated library:
// books with Chinese titles, authors, classes, call numbers and py values, periodicals,
// readers, and loan records spread over eight years before `today`. The counters agree
// with the loans: 图书.数量 is the stock less the open loans, 借出次数 the loans of the
// item; 读者库.未还数量 the open loans, 累计借阅次数 all loans of the reader. Rows go in
// with multi-row prepared inserts inside large transactions; the planner's statistics
// are refreshed at the end. Throws DatabaseError.
namespace LibraryGenerator {
using Progress = std::function<void(const QString &step, qint64 rows, double seconds)>;
void generate(const SharedConnection &db, const LibrarySize &size, const QDate &today,
              const Progress &progress = {});

// The item numbers and barcodes the generator gives (row index from 0).
QString bookNumber(int index);
QString bookBarcode(int index);
QString periodicalNumber(int index);
QString readerNumber(int index);
} // namespace LibraryGenerator
