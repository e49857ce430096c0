// SPDX-License-Identifier: MIT
#include "readers/LibraryCards.h"
#include "foundation/BarcodePainter.h"
#include "foundation/Code128A.h"
#include "foundation/PagedReport.h"

#include "foundation/SharedConnection.h"

#include <QPainter>
#include <QSqlQuery>

LibraryCards::LibraryCards(const QString &libraryName, const QString &backText, const QList<Card> &cards)
    : LabelSheet(cardSize(), 0, 0, QSizeF(4, 4)), m_libraryName(libraryName), m_backText(backText),
      m_cards(cards)
{
    setFramed(true);
    const int n = int(m_cards.size());
    addCells(n, [this](QPainter &p, const QRectF &r, int i) { paintFront(p, r, i); });
    addCells(n, [this](QPainter &p, const QRectF &r, int) { paintBack(p, r); });
}

void LibraryCards::paintFront(QPainter &painter, const QRectF &rect, int index) const
{
    const Card &card = m_cards.at(index);
    const qreal h = rect.height();
    const QRectF inner = rect.adjusted(rect.width() * 0.05, h * 0.05, -rect.width() * 0.05, -h * 0.05);
    // The font is sized in device pixels so that it follows the card on any device.
    auto font = [&](qreal fraction, bool bold) {
        QFont f = PagedReport::font(10, bold);
        f.setPixelSize(qMax(1, int(h * fraction)));
        return f;
    };
    painter.setPen(Qt::black);
    painter.setFont(font(0.11, true));
    const QRectF title(inner.left(), inner.top(), inner.width(), h * 0.17);
    painter.drawText(title, Qt::AlignCenter | Qt::TextSingleLine, m_libraryName);

    painter.setFont(font(0.08, false));
    const QRectF nameLine(inner.left(), title.bottom() + h * 0.02, inner.width(), h * 0.12);
    painter.drawText(nameLine, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral("姓名:") + card.name);
    const QRectF categoryLine(inner.left(), nameLine.bottom(), inner.width(), h * 0.12);
    painter.drawText(categoryLine, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, card.category);

    const QRectF bars(inner.left(), categoryLine.bottom() + h * 0.02, inner.width(),
                      inner.bottom() - categoryLine.bottom() - h * 0.02);
    BarcodePainter::paint(painter, bars, Code128A::encode(card.number), font(0.07, false));
}

void LibraryCards::paintBack(QPainter &painter, const QRectF &rect) const
{
    const qreal h = rect.height();
    QFont f = PagedReport::font(10);
    f.setPixelSize(qMax(1, int(h * 0.07)));
    painter.setFont(f);
    painter.setPen(Qt::black);
    painter.drawText(rect.adjusted(rect.width() * 0.06, h * 0.08, -rect.width() * 0.06, -h * 0.08),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_backText);
}

QList<LibraryCards::Card> LibraryCards::cardsFrom(QSqlQuery &q)
{
    QList<Card> cards;
    while (q.next())
        cards.append({q.value(QStringLiteral("读者编号")).toString(), q.value(QStringLiteral("读者姓名")).toString(),
                      q.value(QStringLiteral("类别")).toString()});
    return cards;
}

QString LibraryCards::backText(const SharedConnection &db)
{
    return db.scalar(QStringLiteral("select 借阅证背面文字 from 系统设置")).toString();
}
