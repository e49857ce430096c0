// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/BookEntry.h"

#include <QList>
#include <QString>

class SharedConnection;

// What became of one book number handed to the insert.
struct BookInsertResult {
    QString number;
    bool stored = false;
    QString message;    // why it was refused: the duplicate text or the database's own
    QString callNumber; // 索书号 and zch as written (zch empty when unset)
    QString zch;
    QString py;
};

// Registration of new books: the rules of the registration window without its boxes.
class BookRegistration
{
public:
    BookRegistration(const SharedConnection &db, QString operatorName);

    // The py of a title: the pinyin initials of its byte pairs, trimmed.
    static QString pinyin(const QString &title);
    // The copy separator as saving uses it: trimmed, "." when empty.
    static QString separator(const QString &text);

    // The checks before saving, in the window's order: a missing copy count (when
    // several copies are wanted), then the required boxes. Empty when saving may go
    // on; *copies then holds the count (several copies) or 0 (single entry).
    static QString check(const BookEntry &entry, bool severalCopies, const QString &copiesText, int *copies);
    // The copy count alone: "请输入要录入的数量!" unless it is a whole number of at least
    // one (a count of 0 would store nothing and still report success).
    static QString copiesCheck(const QString &copiesText, int *copies);
    static QString requiredMessage() { return QStringLiteral("字体加重的项目必须填写完整!"); }

    // True when a book with this barcode (trimmed) is stored. Throws DatabaseError.
    bool barcodeStored(const QString &barcode) const;

    // The insert of one book under the given number: refused with "保存失败, 因为数据库
    // 中已经有这个编号了 (number)" when the number is taken, or with the database's
    // message when the row does not fit. One transaction.
    BookInsertResult insert(const BookEntry &entry, const QString &number) const;

    // Saving: a single entry under the 编号 of the entry (copies 0), or copies numbered
    // 编号 + separator + 1 … K, each after a fresh proposal of 索书号 and zch from the
    // class number, which is written back into the entry as the boxes show it. Every
    // copy is tried; one result per number.
    QList<BookInsertResult> save(BookEntry &entry, int copies, const QString &separator) const;

private:
    const SharedConnection &m_db;
    QString m_operator;
};
