// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/LabelSheet.h"

#include <QList>
#include <QString>

class QSqlQuery;
class SharedConnection;

// The library cards of listed readers: framed fronts with the library name, "姓名:" and
// the name, the category and a Code 128 set A barcode of 读者编号 with the number under
// the bars; then, from a new page, one back per reader with the text of 系统设置.借阅证背面文字.
class LibraryCards : public LabelSheet
{
public:
    struct Card {
        QString number;   // 读者编号
        QString name;     // 读者姓名
        QString category; // 类别
    };

    LibraryCards(const QString &libraryName, const QString &backText, const QList<Card> &cards);

    // The cards of the rows of an executed select over 读者库 (read to the end).
    static QList<Card> cardsFrom(QSqlQuery &query);
    // The text of the card backs: 借阅证背面文字 of the settings row.
    static QString backText(const SharedConnection &db);

    // The card size in millimetres (the ID-1 card format).
    static QSizeF cardSize() { return QSizeF(85.6, 54); }

private:
    void paintFront(QPainter &painter, const QRectF &rect, int index) const;
    void paintBack(QPainter &painter, const QRectF &rect) const;

    QString m_libraryName;
    QString m_backText;
    QList<Card> m_cards;
};
