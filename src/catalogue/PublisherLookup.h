// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class SharedConnection;

// The publisher of a book from its EAN-13 barcode (978-7-…): the prefixes "7-" and
// 2, 3, … 7 characters of the barcode from its 5th character are tried in this order
// against 出版社名.ISBN; the first that names a publisher wins.
struct PublisherMatch {
    bool found = false;
    QString isbnPrefix; // the row's ISBN, e.g. "7-5062"
    QString name;       // the row's 出版社名

    // Throws DatabaseError.
    static PublisherMatch byBarcode(const SharedConnection &db, const QString &barcode);
};
